# The two commands of the README: `make run` and `make test`. Both install
# what is missing, then build with CMake and Ninja.

BUILD      ?= build
SANITIZE   ?= build-sanitize
FUZZ       ?= build-fuzz
BENCH      ?= build-bench
JOBS       ?= $(shell nproc)
# A test that crashes once under parallel load gets one more run; a real
# failure fails both. (A start-up segfault of one window test was seen once.)
CTEST_ARGS ?= --output-on-failure -j $(JOBS) --repeat until-pass:2
# Seconds per fuzz target: `make fuzz` for as long as asked, `make test` briefly.
FUZZ_SECONDS       ?= 300
FUZZ_SMOKE_SECONDS ?= 20
FUZZ_TARGETS       ?=

SOAK_UPDATES ?= 200000

.PHONY: screenshots soak all deps deps-bench build build-sanitize build-fuzz build-bench run test test-sanitize test-only \
  fuzz fuzz-smoke bench clean assets-preview

all: build

# Each step builds in parallel itself; steps side by side would run two
# builds in one tree (the fuzz seeds need the normal tree's data folder).
.NOTPARALLEL:

deps:
	@tools/deps.sh

# Google Benchmark and SDL2 are needed by `make bench` alone.
deps-bench:
	@tools/deps.sh bench

$(BUILD)/build.ninja:
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo

$(SANITIZE)/build.ninja:
	cmake -S . -B $(SANITIZE) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DKITEMOTH_SANITIZE=ON

# The fuzz tree is built with clang; its seeds come from the normal build's data.
$(FUZZ)/build.ninja:
	cmake -S fuzz -B $(FUZZ) -G Ninja -DCMAKE_C_COMPILER=clang-14 -DCMAKE_CXX_COMPILER=clang++-14 \
	  -DKITEMOTH_DATA=$(abspath $(BUILD))/data

$(BENCH)/build.ninja:
	cmake -S . -B $(BENCH) -G Ninja -DCMAKE_BUILD_TYPE=Release -DKITEMOTH_TESTS=OFF -DKITEMOTH_BENCH=ON

build: deps $(BUILD)/build.ninja
	cmake --build $(BUILD) -j $(JOBS)

build-sanitize: deps $(SANITIZE)/build.ninja
	cmake --build $(SANITIZE) -j $(JOBS)

build-fuzz: deps $(BUILD)/build.ninja $(FUZZ)/build.ninja
	cmake --build $(BUILD) --target assets
	cmake --build $(FUZZ) -j $(JOBS)

build-bench: deps deps-bench $(BENCH)/build.ninja
	cmake --build $(BENCH) -j $(JOBS)

run: build
	$(BUILD)/kitemoth

# The whole suite, on the normal build and then under ASan + UBSan, then a
# short run of every fuzz target.
test: build build-sanitize build-fuzz
	tools/headless.sh ctest --test-dir $(BUILD) $(CTEST_ARGS)
	tools/headless.sh env ASAN_OPTIONS=detect_leaks=1:abort_on_error=0 \
	  LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp:print_suppressions=0 \
	  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	  ctest --test-dir $(SANITIZE) $(CTEST_ARGS)
	fuzz/run.sh $(FUZZ) $(FUZZ_SMOKE_SECONDS)

# The sanitizer half alone, for a quicker look.
test-sanitize: build-sanitize
	tools/headless.sh env LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp:print_suppressions=0 \
	  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	  ctest --test-dir $(SANITIZE) $(CTEST_ARGS)

# The fuzz targets alone: briefly, or as long as asked, e.g.
#   make fuzz FUZZ_SECONDS=3600 FUZZ_TARGETS="wav ogg"
fuzz-smoke: build-fuzz
	fuzz/run.sh $(FUZZ) $(FUZZ_SMOKE_SECONDS)

fuzz: build-fuzz
	fuzz/run.sh $(FUZZ) $(FUZZ_SECONDS) $(FUZZ_TARGETS)

# The benchmarks on a Release build, under Xvfb for the OpenGL ones; never
# part of `make test`. Figures and how to read them: bench/README.md.
bench: build-bench
	tools/headless.sh $(BENCH)/kitemoth_bench_game
	tools/headless.sh $(BENCH)/kitemoth_bench_render
	tools/headless.sh $(BENCH)/kitemoth_bench_loading
	tools/headless.sh $(BENCH)/kitemoth_memory

# One contact sheet of every generated image, with mock screens, for review.
assets-preview: deps $(BUILD)/build.ninja
	cmake --build $(BUILD) --target assetgen
	$(BUILD)/assetgen $(BUILD)/data --preview $(BUILD)/assets-preview.png
	@echo "Wrote $(BUILD)/assets-preview.png"

clean:
	rm -rf $(BUILD) $(SANITIZE) $(FUZZ) $(BENCH)

# Plays the game under Xvfb and writes the README's screenshots.
screenshots: build
	tools/headless.sh env KITEMOTH_SCREENSHOTS=$(CURDIR)/docs/screenshots \
	  $(BUILD)/e2e_tests --gtest_also_run_disabled_tests --gtest_filter='*Screenshots*'

# About an hour of random play under the sanitizers.
soak: build-sanitize
	tools/headless.sh env KITEMOTH_SOAK_UPDATES=$(SOAK_UPDATES) \
	  LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp:print_suppressions=0 \
	  $(SANITIZE)/soak_tests
