# The two commands of the README: `make run` and `make test`. Both install
# what is missing, then build with CMake and Ninja.

BUILD      ?= build
SANITIZE   ?= build-sanitize
JOBS       ?= $(shell nproc)
CTEST_ARGS ?= --output-on-failure -j $(JOBS)

.PHONY: all deps build build-sanitize run test test-sanitize test-only clean assets-preview

all: build

deps:
	@tools/deps.sh

$(BUILD)/build.ninja:
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo

$(SANITIZE)/build.ninja:
	cmake -S . -B $(SANITIZE) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DKITEMOTH_SANITIZE=ON

build: deps $(BUILD)/build.ninja
	cmake --build $(BUILD) -j $(JOBS)

build-sanitize: deps $(SANITIZE)/build.ninja
	cmake --build $(SANITIZE) -j $(JOBS)

run: build
	$(BUILD)/kitemoth

# The whole suite, on the normal build and then under ASan + UBSan.
test: build build-sanitize
	tools/headless.sh ctest --test-dir $(BUILD) $(CTEST_ARGS)
	tools/headless.sh env ASAN_OPTIONS=detect_leaks=1:abort_on_error=0 \
	  LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp:print_suppressions=0 \
	  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	  ctest --test-dir $(SANITIZE) $(CTEST_ARGS)

# The sanitizer half alone, for a quicker look.
test-sanitize: build-sanitize
	tools/headless.sh env LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp:print_suppressions=0 \
	  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	  ctest --test-dir $(SANITIZE) $(CTEST_ARGS)

# One contact sheet of every generated image, with mock screens, for review.
assets-preview: deps $(BUILD)/build.ninja
	cmake --build $(BUILD) --target assetgen
	$(BUILD)/assetgen $(BUILD)/data --preview $(BUILD)/assets-preview.png
	@echo "Wrote $(BUILD)/assets-preview.png"

clean:
	rm -rf $(BUILD) $(SANITIZE)
