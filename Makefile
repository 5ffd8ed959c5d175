# The whole set-up on a fresh Debian 12 machine:
#   make run   installs what is missing, builds, starts the program
#   make test  installs what is missing, builds, runs every test
BUILD   ?= build
JOBS    ?= $(shell nproc 2>/dev/null || echo 2)
CMAKE_FLAGS ?=

.PHONY: all deps configure build run test bench install package screenshot clean

all: build

deps:
	@./tools/install-deps

configure: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release $(CMAKE_FLAGS) >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

run: build
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ] && [ -z "$$QT_QPA_PLATFORM" ]; then \
	  echo "stagepath: no display found (DISPLAY is not set); run it under a virtual X server: xvfb-run -a $(BUILD)/stagepath"; \
	  exit 1; \
	fi
	@./$(BUILD)/stagepath

test: build
	@cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

bench: deps
	@cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DSTAGEPATH_BENCH=ON -DSTAGEPATH_TESTS=OFF >/dev/null
	@cmake --build build-bench -j $(JOBS)
	@for b in build-bench/bench/bench_*; do \
	  echo "== $$b"; QT_QPA_PLATFORM=offscreen $$b --benchmark_repetitions=5 --benchmark_report_aggregates_only=true || exit 1; \
	done

install: build
	cmake --install $(BUILD)

package: build
	cd $(BUILD) && cpack -G DEB

screenshot: build
	./tools/screenshot docs/screenshot.png

clean:
	rm -rf $(BUILD) build-bench
