# The two commands of the README, and their parts. Each installs what is missing first.
PRESET ?= default
BUILD_DIR := build/$(PRESET)

.PHONY: run test build package deps clean screenshot fuzz build-fuzz

run: build
	scripts/run-app $(BUILD_DIR)/receipt $(BUILD_DIR)/screenshot.png

test: build build-fuzz
	ctest --preset $(PRESET)
	ctest --preset fuzz

build: deps
	cmake --preset $(PRESET)
	cmake --build --preset $(PRESET)

# The fuzz targets, built with clang into build/fuzz; `make test` runs each for 10 s.
build-fuzz: deps
	cmake --preset fuzz
	cmake --build --preset fuzz

# Runs every fuzz target for SECONDS seconds (make fuzz SECONDS=600); what they find is kept
# in build/fuzz/fuzz/corpus, a failing input in build/fuzz/fuzz/artifacts.
SECONDS ?= 60
fuzz: build-fuzz
	scripts/run-fuzzers $(SECONDS) build/fuzz/fuzz/*_fuzzer

# The Debian package, build/$(PRESET)/norvessa_<version>_<architecture>.deb.
package: build
	cmake --build --preset $(PRESET) --target package

deps:
	scripts/install-deps

# Refreshes the README's picture of the window.
screenshot: build
	xvfb-run --auto-servernum --server-args="-screen 0 1024x768x24" \
	  sh -c '$(BUILD_DIR)/receipt & scripts/capture-window docs/screenshot.png; kill $$!'

clean:
	rm -rf build
