# The two everyday commands, each doing its own set-up on Debian:
#   make run          builds the program and opens its window
#   make test         builds everything and runs every test
# and a few more:
#   make screenshot   writes docs/screenshot.png, without a display
#   make bench        runs the benchmarks
#   make install      installs the program for the desktop (PREFIX=/usr/local)

BUILD ?= build
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
PREFIX ?= /usr/local
CMAKE_FLAGS ?=

.PHONY: run test build screenshot bench install clean

run:
	@tools/setup-debian.sh build window
	cmake -S . -B $(BUILD) -DBUILD_TESTING=OFF $(CMAKE_FLAGS)
	cmake --build $(BUILD) -j $(JOBS) --target arithmitika
	@if [ -z "$${DISPLAY:-}$${WAYLAND_DISPLAY:-}$${QT_QPA_PLATFORM:-}" ]; then \
	    echo "There is no display here (neither DISPLAY nor WAYLAND_DISPLAY is set), so the"; \
	    echo "window cannot open. 'make screenshot' draws it into docs/screenshot.png instead."; \
	    exit 1; \
	fi
	$(BUILD)/app/arithmitika

test: build
	ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)

build:
	@tools/setup-debian.sh build window tests
	cmake -S . -B $(BUILD) -DBUILD_TESTING=ON $(CMAKE_FLAGS)
	cmake --build $(BUILD) -j $(JOBS)

screenshot:
	@tools/setup-debian.sh build window
	cmake -S . -B $(BUILD) -DBUILD_TESTING=OFF $(CMAKE_FLAGS)
	cmake --build $(BUILD) -j $(JOBS) --target window_screenshot
	mkdir -p docs
	QT_QPA_PLATFORM=offscreen $(BUILD)/tools/window_screenshot docs/screenshot.png

bench: build
	$(BUILD)/bench/numerals_bench
	$(BUILD)/bench/startup_bench

install:
	@tools/setup-debian.sh build window
	cmake -S . -B $(BUILD) -DBUILD_TESTING=OFF -DCMAKE_INSTALL_PREFIX=$(PREFIX) $(CMAKE_FLAGS)
	cmake --build $(BUILD) -j $(JOBS) --target arithmitika
	cmake --install $(BUILD)

clean:
	rm -rf $(BUILD)
