# User-facing commands. The build goes to build/, the program with its installation
# data to build/bin/.
BUILD := build
BIN := $(BUILD)/bin
JOBS ?= $(shell nproc)
# Seconds each fuzz target runs for in `make fuzz`.
FUZZ_SECONDS ?= 60

.PHONY: all deps configure build run test bench fuzz sanitize clean

all: build

deps:
	@sh scripts/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

run: build
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ]; then \
	  echo "No desktop session found (DISPLAY is not set)."; \
	  echo "Start the program on a virtual display instead:  xvfb-run make run"; \
	  exit 1; \
	fi
	@$(BIN)/verigraf

test: build
	@cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

bench: build
	@for b in $(BUILD)/bench/*-bench; do echo "== $$b"; $$b --benchmark_min_time=0.2; done

fuzz: deps
	@cmake -S . -B $(BUILD)-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_C_COMPILER=clang -DVERIGRAF_FUZZ=ON >/dev/null
	@cmake --build $(BUILD)-fuzz -j $(JOBS)
	@for f in $(BUILD)-fuzz/fuzz/*-fuzz; do [ -x "$$f" ] || continue; echo "== $$f"; \
	  corpus=$(BUILD)-fuzz/corpus/$$(basename $$f); mkdir -p $$corpus; \
	  if [ -d fuzz/seeds/$$(basename $$f) ]; then cp -n fuzz/seeds/$$(basename $$f)/* $$corpus/; fi; \
	  $$f $$corpus -max_total_time=$(FUZZ_SECONDS) -rss_limit_mb=2048 || exit 1; done

# The program and every test under AddressSanitizer and UndefinedBehaviorSanitizer, in a
# folder of its own; the programs the build runs (the sheet forms) are sanitized too.
# LeakSanitizer's stop-the-world tracer has crashed (signal 11) at the exit of a test that
# had passed, once in several full runs; only then are the failed tests run once more, so
# a finding, or a failure without that crash, still fails.
SANITIZE_ENV := ASAN_OPTIONS=detect_stack_use_after_return=1:check_initialization_order=1:strict_init_order=1 \
  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  LSAN_OPTIONS=suppressions=$(CURDIR)/tests/sanitize/lsan.supp:print_suppressions=0

sanitize: deps
	@cmake -S . -B $(BUILD)-sanitize -G Ninja -DCMAKE_BUILD_TYPE= -DVERIGRAF_SANITIZE=ON >/dev/null
	@$(SANITIZE_ENV) cmake --build $(BUILD)-sanitize -j $(JOBS)
	@cd $(BUILD)-sanitize && { $(SANITIZE_ENV) ctest --output-on-failure -j $(JOBS) || \
	  { grep -q 'Tracer caught signal' Testing/Temporary/LastTest.log && \
	    echo "LeakSanitizer's own tracer crashed at a test's exit; the failed tests once more:" && \
	    $(SANITIZE_ENV) ctest --output-on-failure --rerun-failed; }; }

clean:
	rm -rf $(BUILD) $(BUILD)-fuzz $(BUILD)-sanitize

# Installation and the Debian package. PREFIX is where make install puts the program
# (PREFIX/bin/verigraf, PREFIX/lib/verigraf/, PREFIX/share/...).
.PHONY: install package package-check
PREFIX ?= /usr/local

install: build
	@cmake --install $(BUILD) --prefix $(PREFIX)

package: build
	@cd $(BUILD) && cpack -G DEB

# Builds the package and checks its files and declared dependencies (too slow for
# every test run).
package-check: package
	@sh scripts/check-package.sh $(BUILD)
