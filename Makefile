# The two commands of the README, and their parts. Each installs what is missing first.
PRESET ?= default
BUILD_DIR := build/$(PRESET)

.PHONY: run test build package deps clean screenshot bench

run: build
	scripts/run-app $(BUILD_DIR)/receipt $(BUILD_DIR)/screenshot.png

test: build
	ctest --preset $(PRESET)

build: deps
	cmake --preset $(PRESET)
	cmake --build --preset $(PRESET)

# The Debian package, build/$(PRESET)/norvessa_<version>_<architecture>.deb.
package: build
	cmake --build --preset $(PRESET) --target package

deps:
	scripts/install-deps

# Print latency and start-up against a bare wxWidgets dialog; writes bench/RESULTS.md.
# Run it on a quiet machine: the report records the load it ran under.
bench: build
	bench/run-benchmarks $(BUILD_DIR)

# Refreshes the README's picture of the window.
screenshot: build
	xvfb-run --auto-servernum --server-args="-screen 0 1024x768x24" \
	  sh -c '$(BUILD_DIR)/receipt & scripts/capture-window docs/screenshot.png; kill $$!'

clean:
	rm -rf build
