# The two commands of the README, and their parts. Each installs what is missing first:
# `make run` only what building and starting the program need (scripts/install-deps --run),
# `make test` the tests' tools too.
PRESET ?= default
BUILD_DIR := build/$(PRESET)

# The Windows build: 32-bit mingw-w64 to compile, Wine to run (wine32 runs the 32-bit
# programs, wine64 the 64-bit Windows around them); the whole program also needs zlib for
# Windows, Debian's source tools for wxWidgets and libpng, and a Song face standing in for
# 宋体 under Wine.
WINDOWS_PACKAGES := g++-mingw-w64-i686-posix googletest wine wine64 wine32:i386
WINDOWS_APP_PACKAGES := $(WINDOWS_PACKAGES) libz-mingw-w64-dev dpkg-dev xvfb xdotool x11-utils \
                        wixl msitools fonts-arphic-gbsn00lp

# A virtual display of the given size. -noreset: by default the server resets whenever its
# last client leaves, and a program connecting during the reset fails to start.
XVFB_RUN = xvfb-run --auto-servernum --server-args="-screen 0 $(1)x24 -noreset"

.PHONY: run test test-default test-sanitize test-fuzz test-core build package deps deps-run clean \
        screenshot screenshot-windows test-windows windows-app windows-app-build test-windows-app \
        windows-release bench fuzz test-debian12 test-debian13

run: build
	scripts/run-app $(BUILD_DIR)/receipt $(BUILD_DIR)/screenshot.png

# Every test three times: in the normal build (with the static analysers and valgrind),
# in the sanitize build (AddressSanitizer and UndefinedBehaviorSanitizer), and the core's
# in the Windows build under Wine; then every fuzz target for 10 s (clang, build/fuzz).
test: test-default test-sanitize test-windows test-fuzz

# The presets default and sanitize build the tests (RECEIPT_BUILD_TESTS), whatever `make
# run` left in the cache.
test-default test-sanitize test-fuzz: test-%: deps
	cmake --preset $*
	cmake --build --preset $*
	ctest --preset $*

# The build and the core tests alone (label core), as CI runs them on the other release.
test-core: deps
	cmake --preset default
	cmake --build --preset default
	ctest --preset default -L core

# The README's commands on a clean clone of HEAD in a chroot of Debian 13 (or 12), made
# with debootstrap once and cached in ~/.cache/receipt/debian13 (scripts/debian-chroot;
# needs root, or sudo). ARGS: the steps, `run` (make run until the window shows), `core`
# (make test-core) or any make target; by default `run test`.
ARGS ?= run test
test-debian13:
	scripts/debian-chroot trixie $(ARGS)
test-debian12:
	scripts/debian-chroot bookworm $(ARGS)

# The core and its tests built for Windows and run under Wine, LPT1 printing included.
test-windows:
	scripts/install-deps $(WINDOWS_PACKAGES)
	cmake --preset mingw
	cmake --build --preset mingw
	ctest --preset mingw

# The whole program for 32-bit Windows, build/mingw-app/receipt.exe, its GUI tests, its
# installer and its .zip, with wxWidgets built once per machine into a cache outside the
# repository (scripts/build-wx-mingw, about 14 minutes on two cores).
windows-app-build:
	scripts/install-deps $(WINDOWS_APP_PACKAGES)
	cmake --preset mingw-app -DRECEIPT_MINGW_PREFIX="$$(scripts/build-wx-mingw --arch i686)"
	cmake --build --preset mingw-app

# The Windows program started under Wine on a virtual display: its window must appear and
# Esc must end it.
windows-app: windows-app-build
	$(call XVFB_RUN,1280x1024) \
	  tests/gui/program_smoke_test.sh build/mingw-app/receipt-launcher

# The GUI tests against the real Windows dialog under Wine, on one virtual display, and the
# installer tried in a Wine prefix of its own (install, start, uninstall).
test-windows-app: windows-app-build
	$(call XVFB_RUN,1280x1024) ctest --preset mingw-app

# The installer and the portable .zip, named at the end.
windows-release: windows-app-build
	@version=$$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' build/mingw-app/CMakeCache.txt); \
	  echo "windows-release: build/mingw-app/norvessa-$$version-x86.msi"; \
	  echo "windows-release: build/mingw-app/norvessa-$$version-x86.zip"

# The program alone: its tests, checkers and benchmarks need the test set, and are built
# by the test targets in the same folder.
build: deps-run
	cmake --preset $(PRESET) -DRECEIPT_BUILD_TESTS=OFF
	cmake --build --preset $(PRESET)

# Runs every fuzz target for SECONDS seconds (make fuzz SECONDS=600); what they find is kept
# in build/fuzz/fuzz/corpus, a failing input in build/fuzz/fuzz/artifacts.
SECONDS ?= 60
fuzz: deps
	cmake --preset fuzz
	cmake --build --preset fuzz
	scripts/run-fuzzers $(SECONDS) build/fuzz/fuzz/*_fuzzer

# The Debian package, build/$(PRESET)/norvessa_<version>_<architecture>.deb; its
# dependencies are found by dpkg-shlibdeps, which CPack runs on what `file` calls a program.
package: RUN_EXTRA_PACKAGES = dpkg-dev file
package: build
	cmake --build --preset $(PRESET) --target package

deps:
	scripts/install-deps

deps-run:
	scripts/install-deps --run $(RUN_EXTRA_PACKAGES)

# Print latency and start-up against a bare wxWidgets dialog; writes bench/RESULTS.md.
# Run it on a quiet machine: the report records the load it ran under.
bench: deps
	cmake --preset $(PRESET)
	cmake --build --preset $(PRESET)
	bench/run-benchmarks $(BUILD_DIR)

# Refreshes the README's picture of the window.
screenshot: build
	$(call XVFB_RUN,1024x768) \
	  sh -c '$(BUILD_DIR)/receipt & scripts/capture-window docs/screenshot.png; kill $$!'

# Refreshes the README's pictures of the Windows program, under Wine: at 150 % (144 DPI) and
# at 100 % (96 DPI), which the Wine prefix keeps afterwards, as it was made.
screenshot-windows: windows-app-build
	for scale in 144:docs/screenshot-windows-150.png 96:docs/screenshot-windows.png; do \
	  RECEIPT_WINE_DPI=$${scale%%:*} $(call XVFB_RUN,1024x768) \
	    sh -c "build/mingw-app/receipt-launcher & scripts/capture-window $${scale#*:}; kill \$$!" || exit 1; \
	done

clean:
	rm -rf build
