# Two commands do all set-up on a fresh Debian 12 machine:
#   make run    installs what is missing, builds, starts the game
#   make test   installs what is missing, builds, runs every test (also under sanitizers,
#               and the fuzzer for a minute)
BUILD ?= build
ASAN_BUILD ?= build-asan
FUZZ_BUILD ?= build-fuzz
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
FUZZ_SECONDS ?= 1800
FUZZ_CORPUS ?= $(FUZZ_BUILD)/corpus

SANITIZE := -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer
export ASAN_OPTIONS := detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS := halt_on_error=1:print_stacktrace=1
export LSAN_OPTIONS := suppressions=$(CURDIR)/tests/sanitizers/lsan.supp:print_suppressions=0

.PHONY: all deps configure build run web run-web test test-plain build-sanitized test-sanitized fuzz fuzz-smoke bench package regen clean

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

# The web edition: a folder of static files, build/web/; open its index.html from disk or serve it.
web: configure
	@cmake --build $(BUILD) -j $(JOBS) --target web
	@echo "The web edition is in $(BUILD)/web/: open $(BUILD)/web/index.html, or make run-web"

WEB_PORT ?= 8000
run-web: web
	@echo "Кеволан on the web: http://127.0.0.1:$(WEB_PORT)/ (Ctrl+C stops the server)"
	@python3 -m http.server $(WEB_PORT) --bind 127.0.0.1 --directory $(BUILD)/web

# The checkout is noted before and checked after: no test may leave a file in it. The plain tests
# leave much of the machine idle while the browsers answer: the fuzzer's minute runs beside them,
# and the sanitized build too, at the lowest priority, so that it takes only what they leave.
# What runs beside is shown after the plain tests, whole if it failed.
test:
	@scripts/tree-status save
	@$(MAKE) --no-print-directory build
	@mkdir -p $(FUZZ_BUILD) $(ASAN_BUILD)
	@nice -n 19 $(MAKE) --no-print-directory build-sanitized > $(ASAN_BUILD)/build.log 2>&1 & asan=$$!; \
	  $(MAKE) --no-print-directory fuzz-smoke > $(FUZZ_BUILD)/smoke.log 2>&1 & fuzz=$$!; \
	  $(MAKE) --no-print-directory test-plain; plain=$$?; \
	  wait $$fuzz; fuzzed=$$?; \
	  if [ $$fuzzed -eq 0 ]; then echo "The fuzzer's minute:"; grep -E '^(Done|stat::)' $(FUZZ_BUILD)/smoke.log; \
	  else cat $(FUZZ_BUILD)/smoke.log; echo "The fuzzer failed (its output above)"; fi; \
	  wait $$asan; built=$$?; \
	  if [ $$built -ne 0 ]; then cat $(ASAN_BUILD)/build.log; echo "The sanitized build failed (its output above)"; fi; \
	  [ $$plain -eq 0 ] && [ $$fuzzed -eq 0 ] && [ $$built -eq 0 ]
	@$(MAKE) --no-print-directory test-sanitized
	@scripts/tree-status check

test-plain: build
	@cd $(BUILD) && ASAN_OPTIONS= UBSAN_OPTIONS= LSAN_OPTIONS= ctest --output-on-failure -j $(JOBS)

# The whole suite again, built with AddressSanitizer and UndefinedBehaviorSanitizer: any
# report fails the test that made it. Three solver tests that ask for hundreds of hints or replay
# hundreds of whole games, and the plans' writer (which proves both shortest victories before it
# writes), only repeat there, ten times slower, what the others already run through the same code.
ASAN_SKIP := ^Hint\.PlansAndRandomGames$$|^Hint\.NearEveryDeath$$|^Search\.TypedMovesLoseNoVictoryAndTheBoundNeverOvershoots$$|^make_plans_failed_write$$
# Unoptimized but for the rules and the solver (their CMakeLists say so), with line tables for the
# reports' stacks but no full debug information: half the build time of -O1 -g.
build-sanitized: deps
	@cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG=-g1 \
	  -DKEVOLAN_BUILD_BENCH=OFF -DKEVOLAN_BUILD_WEB=OFF \
	  -DCMAKE_CXX_FLAGS="$(SANITIZE)" -DCMAKE_EXE_LINKER_FLAGS="$(SANITIZE)" > /dev/null
	@cmake --build $(ASAN_BUILD) -j $(JOBS)

test-sanitized: build-sanitized
	@cd $(ASAN_BUILD) && ctest --output-on-failure -j $(JOBS) -LE no-sanitizer -E "$(ASAN_SKIP)"

# The libFuzzer target, built with clang and the same sanitizers, seeded from tests/plans/.
$(FUZZ_BUILD)/bin/replay_fuzz: deps
	@CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DKEVOLAN_BUILD_UI=OFF -DKEVOLAN_BUILD_TESTS=OFF -DKEVOLAN_BUILD_BENCH=OFF -DKEVOLAN_FUZZ=ON \
	  -DKEVOLAN_BUILD_WEB=OFF \
	  -DCMAKE_CXX_FLAGS="$(SANITIZE) -fsanitize=fuzzer-no-link" \
	  -DCMAKE_EXE_LINKER_FLAGS="$(SANITIZE)" > /dev/null
	@cmake --build $(FUZZ_BUILD) -j $(JOBS) --target replay_fuzz

# Whatever the fuzzer finds (crash, leak, timeout, slow unit) is written under the fuzz build
# folder, never into the checkout.
fuzz: $(FUZZ_BUILD)/bin/replay_fuzz
	@mkdir -p $(FUZZ_CORPUS) $(FUZZ_BUILD)/artifacts
	@$(FUZZ_BUILD)/bin/replay_fuzz -max_total_time=$(FUZZ_SECONDS) -dict=$(FUZZ_BUILD)/replay.dict \
	  -max_len=8192 -print_final_stats=1 -artifact_prefix=$(FUZZ_BUILD)/artifacts/ \
	  $(FUZZ_CORPUS) tests/plans

fuzz-smoke:
	@$(MAKE) --no-print-directory fuzz FUZZ_SECONDS=60

bench: build
	@for b in $(BUILD)/bin/bench_*; do $$b; done

# Rewrites every file of the checkout that the build's own programs write, after a change that is
# meant to change them (a rule, the help text): the plans' scripts and last answers, the golden
# digests and outputs, help.doc (the help text with the catalogue's figures written out). Each
# says what changed in words: which plans and scripts, from which line and turn, which fields;
# the test suite then checks the rest against them. The page's data is written at build time and
# nothing of it is kept in the checkout.
regen: build
	@$(BUILD)/bin/make_plans tests/plans
	@$(BUILD)/bin/make_golden_digests
	@cp help.doc $(BUILD)/help.doc.before
	@$(BUILD)/bin/kevolan-help rtf help/help.txt help.doc
	@if cmp -s help.doc $(BUILD)/help.doc.before; then echo "help.doc: unchanged"; \
	else echo "help.doc: rewritten from help/help.txt and the catalogue ($$(wc -c < $(BUILD)/help.doc.before) -> $$(wc -c < help.doc) bytes)"; fi
	@git status --short -- tests/plans tests/replay help.doc 2>/dev/null || true

package: build
	@cd $(BUILD) && cpack -G DEB

clean:
	@rm -rf $(BUILD) $(ASAN_BUILD) $(FUZZ_BUILD)
