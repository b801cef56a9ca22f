# The two everyday commands, each doing its own set-up on Debian:
#   make run    builds the program and opens its window
#   make test   builds everything and runs every test
# and a few more:
#   make screenshot   writes docs/screenshot.png without a display
#   make bench        runs the benchmarks

BUILD ?= build
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
CMAKE_FLAGS ?=

.PHONY: run test build screenshot bench clean

run:
	@tools/setup-debian.sh build window
	cmake -S . -B $(BUILD) -DBUILD_TESTING=OFF $(CMAKE_FLAGS)
	cmake --build $(BUILD) -j $(JOBS) --target arithmitika
	$(BUILD)/app/arithmitika

test: build
	ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)

build:
	@tools/setup-debian.sh build window tests
	cmake -S . -B $(BUILD) -DBUILD_TESTING=ON $(CMAKE_FLAGS)
	cmake --build $(BUILD) -j $(JOBS)

bench: build
	$(BUILD)/bench/numerals_bench

clean:
	rm -rf $(BUILD)
