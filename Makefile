# Orvella: `make run` and `make test` do all the set-up a fresh Debian machine needs.

BUILD      ?= build
BUILD_ASAN ?= build-asan
BUILD_FUZZ ?= build-fuzz
# Seconds each fuzzer runs in `make fuzz`.
FUZZ_SECONDS ?= 60
JOBS       ?= $(shell nproc)
CMAKE_FLAGS = -DCMAKE_BUILD_TYPE=RelWithDebInfo -DORVELLA_WERROR=ON

.PHONY: all deps datos build run test sanitize monkey fuzz bench format format-check screenshots screenshots-2x guia package clean

all: build

deps:
	@./scripts/install-deps

$(BUILD)/CMakeCache.txt: | deps
	cmake -S . -B $(BUILD) $(CMAKE_FLAGS)

build: deps $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j$(JOBS)

run: build
	./$(BUILD)/orvella

test: build
	cd $(BUILD) && ctest --output-on-failure -j$(JOBS)

sanitize: deps
	cmake -S . -B $(BUILD_ASAN) -DCMAKE_BUILD_TYPE=Debug -DORVELLA_WERROR=ON -DORVELLA_SANITIZE=ON -DORVELLA_BENCH=OFF
	cmake --build $(BUILD_ASAN) -j$(JOBS)
	cd $(BUILD_ASAN) && \
	  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
	  LSAN_OPTIONS=suppressions=$(CURDIR)/scripts/lsan.supp:print_suppressions=0 \
	  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	  ctest --output-on-failure -j$(JOBS)

# The monkey test at length, 100000 events per window; each window's figures
# go to $(BUILD)/monkey.tsv and are shown at the end.
MONKEY_EVENTOS ?= 100000
monkey: build
	rm -f $(BUILD)/monkey.tsv
	cd $(BUILD) && \
	  ORVELLA_MONKEY_EVENTOS=$(MONKEY_EVENTOS) ORVELLA_MONKEY_CIFRAS=$(abspath $(BUILD))/monkey.tsv \
	  ctest -R '^monkey_test\.Lista/' --output-on-failure --timeout 7200 -j$(JOBS)
	@printf 'window\tevents\tseconds\tmessages\tchecks\tfindings\topenings\tseed\n'
	@sort $(BUILD)/monkey.tsv

# libFuzzer on the Qt-free rules: clang, no Qt. Each fuzzer runs
# FUZZ_SECONDS from the seeds in fuzz/corpus/.
fuzz:
	@./scripts/install-deps fuzz
	cmake -S . -B $(BUILD_FUZZ) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DCMAKE_CXX_COMPILER=clang++ -DORVELLA_FUZZ=ON -DORVELLA_BENCH=OFF
	cmake --build $(BUILD_FUZZ) -j$(JOBS)
	./scripts/fuzz $(BUILD_FUZZ) $(FUZZ_SECONDS)

bench: build
	cmake --build $(BUILD) --target orvella_bench -j$(JOBS)
	./$(BUILD)/bench/orvella_bench --benchmark_repetitions=9 --benchmark_report_aggregates_only=true

# A Debian package, build/orvella_<version>_<arch>.deb, installing under /usr.
package: build
	cd $(BUILD) && cpack -G DEB

screenshots: build
	./$(BUILD)/tools/orvella_capturas docs/screenshots

# The same windows on a screen of twice the density, beside the build.
screenshots-2x: build
	./$(BUILD)/tools/orvella_capturas $(BUILD)/capturas-2x 2

# The worked examples of the user guide (docs/guia.md), into docs/guia/.
guia: build
	./$(BUILD)/tools/orvella_guia docs/guia

format: deps
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

# Fails on any tracked source that `make format` would change.
format-check: deps
	git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror

clean:
	rm -rf $(BUILD) $(BUILD_ASAN) $(BUILD_FUZZ)

# The element card's data, regenerated from Debian's bodr and
# python3-periodictable into the committed elements/datos_generados.cpp.
datos: deps
	/usr/bin/python3 scripts/generar-datos-elementos elements/datos_generados.cpp
