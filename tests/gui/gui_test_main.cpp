// Runs the GUI tests inside an initialised toolkit with an active event loop, so the
// tests can show real windows, feed them simulated input and let events flow.
#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/evtloop.h>
#include <wx/init.h>

#include <cstdio>

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  wxApp::SetInstance(new wxApp);
  if (!wxEntryStart(argc, argv)) {
    std::fprintf(stderr, "GUI tests: the toolkit could not start (is DISPLAY set?)\n");
    return 1;
  }
  int result = 0;
  {
    wxEventLoop loop;
    wxEventLoopActivator activate(&loop);
    result = RUN_ALL_TESTS();
  }
  wxEntryCleanup();
  return result;
}
