# The front door. CMake does the work (presets linux, windows, windows64); every target
# first runs scripts/setup-deps, which installs what is missing and is quick otherwise.
SHELL := /bin/bash
.DEFAULT_GOAL := all

# The Windows build the tests can run on this machine: the 32-bit product under 32-bit
# Wine, or, where the kernel runs no 32-bit code, the same sources for x86_64 under wine64.
WINDOWS_TEST_BUILD = $(shell scripts/windows-test-build)
WINE_BITS = $(if $(filter windows64,$(WINDOWS_TEST_BUILD)),64,32)

.PHONY: all deps linux windows windows64 windows-product test run run-windows bench fuzz docs clean

all: linux windows

deps:
	@scripts/setup-deps

build/%/build.ninja: | deps
	cmake --preset $*

linux windows windows64: %: deps build/%/build.ninja
	cmake --build --preset $@

# Only the .scr of the 32-bit tree, when its tests cannot run here anyway.
windows-product: deps build/windows/build.ninja
	cmake --build --preset windows --target orlinde-saver

test: linux windows-product $(WINDOWS_TEST_BUILD)
	@scripts/wine-prefix --bits $(WINE_BITS)
	ctest --preset linux
	@echo "Windows tests: build/$(WINDOWS_TEST_BUILD) under $(WINE_BITS)-bit Wine"
	ctest --preset $(WINDOWS_TEST_BUILD)

run: linux
	@scripts/run-saver linux

bench: linux
	@scripts/bench

run-windows: windows-product $(WINDOWS_TEST_BUILD) linux
	@scripts/run-saver $(WINDOWS_TEST_BUILD)

# Screenshots of the About window of both builds, committed under docs/.
docs: linux $(WINDOWS_TEST_BUILD)
	tools/about_screenshot.sh linux docs/about-linux.png
	tools/about_screenshot.sh $(WINDOWS_TEST_BUILD) docs/about-windows.png

# The fuzzers (clang, libFuzzer with ASan and UBSan, build/fuzz) for five minutes; make test
# runs them briefly.
fuzz: deps
	@scripts/fuzz 300

clean:
	rm -rf build
