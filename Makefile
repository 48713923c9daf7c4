# User-facing commands. The build goes to build/, the program with its installation
# data to build/bin/.
BUILD := build
BIN := $(BUILD)/bin
JOBS ?= $(shell nproc)

.PHONY: all deps configure build run test bench fuzz clean

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
	  $$f $$corpus -max_total_time=30 -rss_limit_mb=2048 || exit 1; done

clean:
	rm -rf $(BUILD) $(BUILD)-fuzz

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
