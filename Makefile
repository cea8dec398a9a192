# Two commands do all set-up on a fresh Debian 12 machine:
#   make run    installs what is missing, builds, starts the game
#   make test   installs what is missing, builds, runs every test
BUILD ?= build
JOBS ?= $(shell nproc 2>/dev/null || echo 2)

.PHONY: all deps configure build run test bench clean

all: build

deps:
	@scripts/install-deps

configure: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release > /dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

# The game starts from the project root, so that "Help" finds help.doc beside it.
run: build
	@if [ -x $(BUILD)/bin/kevolan ]; then \
	  $(BUILD)/bin/kevolan; \
	else \
	  $(BUILD)/bin/kevolan-replay < tests/plans/example.txt; \
	fi

test: build
	@cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

bench: build
	@for b in $(BUILD)/bin/bench_*; do $$b; done

clean:
	@rm -rf $(BUILD)
