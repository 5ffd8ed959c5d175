# SPDX-FileCopyrightText: 2026 The stagepath developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

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
	  [ -f "$$b" ] && [ -x "$$b" ] || continue; \
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

# Hard checks. Both use build directories of their own and need nothing that
# `make test` does not, but clang for the fuzz targets.
#   make check-hard   every test under AddressSanitizer and UBSan (gcc)
#   make fuzz         the libFuzzer targets in fuzz/, FUZZ_SECONDS each (clang)
.PHONY: check-hard fuzz soak
ASAN_BUILD   ?= build-asan
FUZZ_BUILD   ?= build-fuzz
FUZZ_SECONDS ?= 60
FUZZ_TARGETS ?= fuzz_numbers fuzz_model fuzz_drawing fuzz_lessonfile
LSAN_ENV      = LSAN_OPTIONS=suppressions=$(CURDIR)/tools/lsan.supp:print_suppressions=0
UBSAN_ENV     = UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1

# A Debug build at -O1: Qt's own assertions (QList bounds and the like) and the
# C++ library's (std::vector bounds) stay on. gcc's -fsanitize=undefined
# leaves out float-cast-overflow (a double out of an integer's range converted
# to it), so it is asked for here.
HARD_CXX_FLAGS = -D_GLIBCXX_ASSERTIONS -fsanitize=float-cast-overflow -fno-sanitize-recover=float-cast-overflow
# The monkey runs a third of its actions here: under the sanitizers each
# costs several times as much, and the full run is `make test`'s.
HARD_MONKEY_ACTIONS ?= 3000
check-hard: deps
	@cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=Debug "-DCMAKE_CXX_FLAGS_DEBUG=-g -O1" \
	  -DSTAGEPATH_SANITIZE=ON "-DCMAKE_CXX_FLAGS=$(HARD_CXX_FLAGS)" >/dev/null
	@cmake --build $(ASAN_BUILD) -j $(JOBS)
	@cd $(ASAN_BUILD) && QT_QPA_PLATFORM=offscreen STAGEPATH_MONKEY_ACTIONS=$(HARD_MONKEY_ACTIONS) \
	  ASAN_OPTIONS=halt_on_error=1:abort_on_error=1:detect_leaks=1:detect_stack_use_after_return=1:check_initialization_order=1:strict_init_order=1:print_stacktrace=1 \
	  $(UBSAN_ENV) $(LSAN_ENV) ctest --output-on-failure -j $(JOBS)

# Each target runs on its corpus in $(FUZZ_BUILD)/corpus/<target>, seeded from
# fuzz/corpus/<target>; a failing input is left in $(FUZZ_BUILD)/artifacts/.
fuzz: deps
	@STAGEPATH_EXTRA_PACKAGES="clang libclang-rt-14-dev" ./tools/install-deps
	@CC=clang CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -DCMAKE_BUILD_TYPE=Debug "-DCMAKE_CXX_FLAGS_DEBUG=-g -O1" \
	  -DSTAGEPATH_FUZZ=ON -DSTAGEPATH_TESTS=OFF >/dev/null
	@cmake --build $(FUZZ_BUILD) -j $(JOBS) --target stagepath_fuzzers
	@mkdir -p $(FUZZ_BUILD)/artifacts
	@for t in $(FUZZ_TARGETS); do \
	  mkdir -p $(FUZZ_BUILD)/corpus/$$t; \
	  echo "== $$t: $(FUZZ_SECONDS) s"; \
	  if ! ASAN_OPTIONS=quarantine_size_mb=64:print_stacktrace=1 $(UBSAN_ENV) $(LSAN_ENV) \
	      ./$(FUZZ_BUILD)/fuzz/$$t -max_total_time=$(FUZZ_SECONDS) -timeout=10 -print_final_stats=1 \
	      -artifact_prefix=$(FUZZ_BUILD)/artifacts/$$t- $(FUZZ_BUILD)/corpus/$$t fuzz/corpus/$$t \
	      >$(FUZZ_BUILD)/$$t.log 2>&1; then \
	    tail -n 60 $(FUZZ_BUILD)/$$t.log; \
	    echo "$$t failed: the input is in $(FUZZ_BUILD)/artifacts/, the log in $(FUZZ_BUILD)/$$t.log"; \
	    exit 1; \
	  fi; \
	  grep -E '^#[0-9]+[[:space:]]+DONE' $(FUZZ_BUILD)/$$t.log | tail -n 1; \
	done

# Soak: the window's monkey test over many seeds, each printed so that a
# failure can be replayed with STAGEPATH_MONKEY_SEED (not part of CI).
#   make soak [SOAK_SEEDS=20] [SOAK_FIRST_SEED=<seconds since the epoch>]
SOAK_SEEDS      ?= 20
SOAK_FIRST_SEED ?= $(shell date +%s)
soak: build
	@for i in $$(seq 0 $$(($(SOAK_SEEDS) - 1))); do \
	  seed=$$(( ($(SOAK_FIRST_SEED) + i * 7919) % 4294967296 )); \
	  echo "== monkey seed $$seed"; \
	  QT_QPA_PLATFORM=offscreen QT_QPA_FONTDIR=/usr/share/fonts/truetype STAGEPATH_MONKEY_SEED=$$seed \
	    ./$(BUILD)/tests/app/tst_monkey -silent || { echo "soak: seed $$seed failed"; exit 1; }; \
	done
