# KAV build entry points. Everything is built by CMake with Ninja into
# $(BUILD_DIR); the programs end up in $(BUILD_DIR)/bin.
#
#   make run      build and start the program (installs missing packages as root)
#   make test     build and run all tests (installs missing packages as root)
#   make demo     open the demo document with kavcalc
#   make screens  render the program's windows to PNG files in $(BUILD_DIR)/screens
#   make build    build everything
#   make bench    build and run the benchmarks
#   make fuzz     build the fuzzers (clang) and run each for FUZZ_SECONDS seconds
#   make install  install into $(PREFIX)
#   make clean    remove the build trees
#
# Variables: BUILD_DIR, BUILD_TYPE, PREFIX, GUI (ON/OFF), BENCHMARKS (ON/OFF),
# CMAKE_ARGS (more -D options), DEMO_DOC, DOC (the document `make run` opens),
# SCREENS_DOC, FUZZ_SECONDS (default 30), FUZZERS (names, default all).

BUILD_DIR  ?= build
BUILD_TYPE ?= RelWithDebInfo
PREFIX     ?= /usr/local
GUI        ?= ON
BENCHMARKS ?= OFF
CMAKE_ARGS ?=

# The document `make demo` opens, computes and prints as the program's text
# export, with the shipped data.
DEMO_DOC ?= examples/varmetap-ror-innendors.kav
DEMO_ARGS ?= --data $(BUILD_DIR)/share/kav

KAVCALC := $(BUILD_DIR)/bin/kavcalc

# The document `make run` opens (none: a new one), and the one open in the
# main window of `make screens`.
DOC ?=
SCREENS_DOC ?= examples/varmetap-kanal-utendors-2lag.kav

.PHONY: all deps configure build test run demo screens bench fuzz install clean

all: build

deps:
	@tools/install-deps.sh

configure: deps
	cmake -S . -B $(BUILD_DIR) -G Ninja \
	  -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) \
	  -DKAV_BUILD_GUI=$(GUI) \
	  -DKAV_BUILD_BENCHMARKS=$(BENCHMARKS) \
	  $(CMAKE_ARGS)

build: configure
	cmake --build $(BUILD_DIR)

test: build
	QT_QPA_PLATFORM=offscreen ctest --test-dir $(BUILD_DIR) --output-on-failure

# The desktop program needs a display; without one, `make demo` computes the
# demo document on the console.
run:
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ]; then \
	  echo "make run: there is no display (neither DISPLAY nor WAYLAND_DISPLAY is set)."; \
	  echo "make run: 'make demo' computes the demo document without a window."; \
	  exit 1; \
	fi
	@$(MAKE) --no-print-directory build
	$(BUILD_DIR)/bin/kav $(DOC)

# Off screen: the main window on each tab with SCREENS_DOC open, and every
# start-up window and dialog, as PNG files.
screens: configure
	cmake --build $(BUILD_DIR) --target kav_screens
	QT_QPA_PLATFORM=offscreen $(BUILD_DIR)/bin/kav_screens $(BUILD_DIR)/screens $(SCREENS_DOC)

demo: build
	$(KAVCALC) $(DEMO_ARGS) $(DEMO_DOC)

bench: deps
	@if [ ! -f benchmarks/CMakeLists.txt ]; then \
	  echo "make bench: there are no benchmarks yet (benchmarks/CMakeLists.txt)"; \
	  exit 0; \
	fi; \
	set -e; \
	$(MAKE) --no-print-directory build BENCHMARKS=ON; \
	found=0; \
	for b in $(BUILD_DIR)/bin/*_bench; do \
	  [ -x "$$b" ] || continue; \
	  found=1; \
	  echo "== $$b"; \
	  "$$b"; \
	done; \
	[ $$found -eq 1 ] || echo "make bench: no $(BUILD_DIR)/bin/*_bench programs were built"

# libFuzzer over every reader (build-fuzz/, with the sanitizers); new inputs
# collect in fuzz/corpus-work/. See docs/TESTING.md.
FUZZ_SECONDS ?= 30
FUZZERS ?=
fuzz:
	@tools/install-deps.sh --fuzz
	FUZZ_SECONDS=$(FUZZ_SECONDS) tools/fuzz.sh $(FUZZERS)

install: build
	cmake --install $(BUILD_DIR) --prefix $(PREFIX)

clean:
	rm -rf $(BUILD_DIR) build-asan build-fuzz fuzz/corpus-work
