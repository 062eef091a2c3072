# Two commands for a newcomer: `make run` and `make test`.
BUILD_DIR ?= build
SAN_BUILD_DIR ?= build-sanitized
JOBS ?= $(shell nproc)
FUZZ_SECONDS ?= 60

.PHONY: deps configure build run test screenshots package check-sanitized fuzz clean

deps:
	@bash scripts/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo > /dev/null

build: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	$(BUILD_DIR)/bin/ZolvikTools

test: build
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

screenshots: build
	@cmake --build $(BUILD_DIR) --target zolvik_screenshots -j $(JOBS)
	@mkdir -p $(BUILD_DIR)/screenshots
	QT_QPA_PLATFORM=offscreen $(BUILD_DIR)/bin/zolvik_screenshots $(BUILD_DIR)/screenshots

# The Debian package zolvik-tools, into $(BUILD_DIR).
package: build
	cd $(BUILD_DIR) && cpack -G DEB

clean:
	rm -rf $(BUILD_DIR) $(SAN_BUILD_DIR) build-fuzz

# Every test again, built with the address and undefined-behaviour sanitizers.
check-sanitized: deps
	@cmake -S . -B $(SAN_BUILD_DIR) -DCMAKE_BUILD_TYPE=Debug -DZOLVIK_SANITIZE=ON > /dev/null
	@cmake --build $(SAN_BUILD_DIR) -j $(JOBS)
	cd $(SAN_BUILD_DIR) && QT_QPA_PLATFORM=offscreen \
	  ASAN_OPTIONS=detect_leaks=1 LSAN_OPTIONS=suppressions=$(CURDIR)/tests/sanitizer/lsan.supp \
	  UBSAN_OPTIONS=print_stacktrace=1 ctest --output-on-failure -j $(JOBS)

# Each fuzz target for FUZZ_SECONDS from its seed corpus in tests/fuzz/corpus/<target>/.
fuzz: deps
	@bash scripts/run-fuzzers.sh build-fuzz $(FUZZ_SECONDS)
