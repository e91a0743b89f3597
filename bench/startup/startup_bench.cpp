// Start-up benchmark: starts each given program in turn (A, B, A, B ...) on the current
// display and measures, from outside, each start's time from exec to its window mapped
// and first painted, and its peak resident memory; then ends it with Esc and waits for
// it to exit.
//
// The first round is not counted: besides warming the file cache, the first toolkit
// program on a fresh display probes the graphics drivers and leaves the answer on the
// display for later ones (about 55 MB of resident memory that no later start pays). The
// watch's own connection stays open throughout, so the server never resets between
// starts and forgets it.
//
// Usage: startup_bench [--rounds N] [--output FILE.json] NAME=PROGRAM ...
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "bench/startup/child_process.h"
#include "bench/startup/window_watch.h"

namespace {

constexpr std::chrono::seconds kWindowTimeout{30};
constexpr std::chrono::seconds kExitTimeout{20};

struct Program {
  std::string name;
  std::string path;
  std::vector<double> startup_ms;
  std::vector<double> mapped_ms;
  std::vector<double> peak_rss_kb;
  std::vector<double> cpu_ms;
};

struct Options {
  int rounds = 20;
  std::string output;
  std::vector<Program> programs;
};

double Median(std::vector<double> values) {
  if (values.empty()) return 0;
  std::sort(values.begin(), values.end());
  const size_t middle = values.size() / 2;
  return values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

bool ParseOptions(int argc, char** argv, Options& options) {
  for (int at = 1; at < argc; ++at) {
    const std::string argument = argv[at];
    if (argument == "--rounds" && at + 1 < argc) {
      options.rounds = std::atoi(argv[++at]);
    } else if (argument == "--output" && at + 1 < argc) {
      options.output = argv[++at];
    } else if (const size_t equals = argument.find('=');
               equals != std::string::npos && equals > 0 && equals + 1 < argument.size()) {
      options.programs.push_back(
          {argument.substr(0, equals), argument.substr(equals + 1), {}, {}, {}, {}});
    } else {
      return false;
    }
  }
  return options.rounds > 0 && !options.programs.empty();
}

// One start of `program`, measured and recorded unless it is the warm-up. False, with
// the reason printed, when the program did not show its window or end cleanly.
bool MeasureStart(WindowWatch& watch, Program& program, bool counted) {
  watch.Forget();
  std::string error;
  const auto start = std::chrono::steady_clock::now();
  const std::optional<pid_t> pid = StartProgram(program.path, error);
  if (!pid) {
    std::fprintf(stderr, "startup_bench: %s\n", error.c_str());
    return false;
  }
  const std::optional<Sighting> sighting =
      watch.WaitForFirstPaint(*pid, start, kWindowTimeout, error);
  if (sighting) watch.PressEscape(sighting->window);
  const ProgramEnd end = WaitForEnd(*pid, sighting ? kExitTimeout : std::chrono::seconds(0));
  if (!sighting) {
    std::fprintf(stderr, "startup_bench: %s: %s\n", program.name.c_str(), error.c_str());
    return false;
  }
  if (!end.exited || end.status != 0) {
    std::fprintf(
        stderr, "startup_bench: %s: %s\n", program.name.c_str(),
        end.exited ? ("exit status " + std::to_string(end.status)).c_str() : "Esc did not end it");
    return false;
  }
  std::printf("%-8s %s mapped %7.1f ms  painted %7.1f ms  peak RSS %7ld KiB  CPU %6.1f ms\n",
              program.name.c_str(), counted ? "       " : "warm-up", sighting->mapped_ms,
              sighting->painted_ms, end.peak_rss_kb, end.cpu_ms);
  if (counted) {
    program.startup_ms.push_back(sighting->painted_ms);
    program.mapped_ms.push_back(sighting->mapped_ms);
    program.peak_rss_kb.push_back(static_cast<double>(end.peak_rss_kb));
    program.cpu_ms.push_back(end.cpu_ms);
  }
  return true;
}

std::string JsonList(const std::vector<double>& values) {
  std::string list = "[";
  for (const double value : values) {
    if (list.size() > 1) list += ", ";
    list += std::to_string(value);
  }
  return list + "]";
}

std::string JsonReport(const Options& options) {
  std::string json = "{\n  \"rounds\": " + std::to_string(options.rounds) + ",\n  \"programs\": [";
  for (const Program& program : options.programs) {
    json += &program == &options.programs.front() ? "\n" : ",\n";
    json += "    {\"name\": \"" + program.name + "\", \"program\": \"" + program.path + "\",\n";
    json += "     \"median_startup_ms\": " + std::to_string(Median(program.startup_ms)) + ",\n";
    json += "     \"median_mapped_ms\": " + std::to_string(Median(program.mapped_ms)) + ",\n";
    json += "     \"median_peak_rss_kb\": " + std::to_string(Median(program.peak_rss_kb)) + ",\n";
    json += "     \"median_cpu_ms\": " + std::to_string(Median(program.cpu_ms)) + ",\n";
    json += "     \"startup_ms\": " + JsonList(program.startup_ms) + ",\n";
    json += "     \"mapped_ms\": " + JsonList(program.mapped_ms) + ",\n";
    json += "     \"peak_rss_kb\": " + JsonList(program.peak_rss_kb) + ",\n";
    json += "     \"cpu_ms\": " + JsonList(program.cpu_ms) + "}";
  }
  return json + "\n  ]\n}\n";
}

}  // namespace

int main(int argc, char** argv) {
  Options options;
  if (!ParseOptions(argc, argv, options)) {
    std::fprintf(stderr,
                 "usage: startup_bench [--rounds N] [--output FILE.json] NAME=PROGRAM ...\n");
    return 2;
  }
  std::string error;
  const std::unique_ptr<WindowWatch> watch = WindowWatch::Open(error);
  if (watch == nullptr) {
    std::fprintf(stderr, "startup_bench: %s\n", error.c_str());
    return 1;
  }
  for (int round = 0; round <= options.rounds; ++round) {
    for (Program& program : options.programs) {
      if (!MeasureStart(*watch, program, round > 0)) return 1;
    }
  }
  for (const Program& program : options.programs) {
    std::printf("%-8s median: painted %7.1f ms  peak RSS %7.0f KiB  (%d starts)\n",
                program.name.c_str(), Median(program.startup_ms), Median(program.peak_rss_kb),
                options.rounds);
  }
  if (!options.output.empty()) {
    std::ofstream file(options.output);
    file << JsonReport(options);
    if (!file) {
      std::fprintf(stderr, "startup_bench: cannot write %s\n", options.output.c_str());
      return 1;
    }
  }
  return 0;
}
