# Entry points: `make run` builds and starts the program, `make test` builds and runs every test.
BUILD ?= build
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo
# Several checkouts of the tree share one compiler cache when ccache is there.
ifneq ($(shell command -v ccache 2>/dev/null),)
CMAKE_FLAGS += -DCMAKE_CXX_COMPILER_LAUNCHER=ccache
export CCACHE_BASEDIR := $(CURDIR)
export CCACHE_NOHASHDIR := 1
endif

# `make install PREFIX=/opt/ricordario` (default /usr/local; DESTDIR is honoured).
PREFIX ?= /usr/local

.PHONY: all setup configure build run test test-sanitize fuzz bench screenshot format clean install deb

all: build

setup:
	@bash scripts/setup

configure: setup
	@cmake -S . -B $(BUILD) $(CMAKE_FLAGS) >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

run: build
	cd $(BUILD)/portable && ./Ricordario

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

# The whole test suite again, built under AddressSanitizer and UndefinedBehaviorSanitizer.
SANITIZE_BUILD ?= build-sanitize
test-sanitize: setup
	@cmake -S . -B $(SANITIZE_BUILD) $(CMAKE_FLAGS) -DRICORDARIO_SANITIZE=ON >/dev/null
	@cmake --build $(SANITIZE_BUILD) -j $(JOBS)
	cd $(SANITIZE_BUILD) && \
	  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:strict_string_checks=1 \
	  LSAN_OPTIONS=suppressions=$(CURDIR)/tests/sanitize/lsan.supp:print_suppressions=0 \
	  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	  ctest --output-on-failure -j $(JOBS)

# The fuzz harnesses built with clang and libFuzzer, each run for FUZZ_SECONDS.
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 60
fuzz: setup
	@cmake -S tests/fuzz -B $(FUZZ_BUILD) -DCMAKE_CXX_COMPILER=clang++-14 \
	  -DCMAKE_BUILD_TYPE=RelWithDebInfo $(filter -DCMAKE_CXX_COMPILER_LAUNCHER%,$(CMAKE_FLAGS)) >/dev/null
	@cmake --build $(FUZZ_BUILD) -j $(JOBS)
	@bash scripts/fuzz $(FUZZ_BUILD) tests/fuzz/corpus $(FUZZ_SECONDS)

# Every benchmark, medians of several runs, each figure beside its baseline.
BENCH_FLAGS ?= --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
bench: build
	$(BUILD)/bench/bench_archivio $(BENCH_FLAGS)
	$(BUILD)/bench/bench_ricerca_gui $(BENCH_FLAGS)
	$(BUILD)/bench/bench_ricerca_scadenze $(BENCH_FLAGS)
	$(BUILD)/bench/bench_riepilogo $(BENCH_FLAGS)
	$(BUILD)/bench/bench_griglia $(BENCH_FLAGS)
	$(BUILD)/bench/bench_visualizzatore $(BENCH_FLAGS)
	$(BUILD)/bench/bench_interscambio
	bash bench/avvio.sh $(BUILD)

screenshot: build
	bash scripts/screenshot

install: build
	@cmake -S . -B $(BUILD) -DCMAKE_INSTALL_PREFIX=$(PREFIX) >/dev/null
	cmake --install $(BUILD)

# A Debian package of the program installed under /usr: build/ricordario_<version>_<arch>.deb
deb: build
	@cmake -S . -B $(BUILD) -DCMAKE_INSTALL_PREFIX=/usr >/dev/null
	cd $(BUILD) && cpack -G DEB

format:
	find src tests tools bench -name '*.cpp' -o -name '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD) $(SANITIZE_BUILD) $(FUZZ_BUILD)
