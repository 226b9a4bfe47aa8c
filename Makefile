# Two commands for a fresh Debian machine: `make run` and `make test`.
BUILD      ?= build
JOBS       ?= $(shell nproc)
CMAKE_ARGS ?=

.PHONY: deps run build test test-sanitize test-tsan fuzz ci clean package demo bench

deps:
	@bash scripts/install-deps.sh

$(BUILD)/CMakeCache.txt:
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release $(CMAKE_ARGS)

TARGET ?= all

build: deps $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS) --target $(TARGET)

run: build
	./$(BUILD)/OrbMiniEditor

test: build
	bash scripts/with-display.sh ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)

# The same tests built with AddressSanitizer, UndefinedBehaviorSanitizer and LeakSanitizer. The
# editor links libX11 itself, so the framework's unloading of the X libraries at exit leaves it
# loaded and what it keeps for the process's life stays reachable: any leak reported is ours.
test-sanitize: deps
	$(MAKE) --no-print-directory BUILD=build-asan CMAKE_ARGS="-DORBMINI_SANITIZE=address,undefined -DCMAKE_BUILD_TYPE=RelWithDebInfo" build
	ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	bash scripts/with-display.sh ctest --test-dir build-asan --output-on-failure -j $(JOBS)

# The threading tests built with ThreadSanitizer.
test-tsan: deps
	$(MAKE) --no-print-directory BUILD=build-tsan TARGET=orbmini_tests CMAKE_ARGS="-DORBMINI_SANITIZE=thread -DCMAKE_BUILD_TYPE=RelWithDebInfo" build
	TSAN_OPTIONS="halt_on_error=1 second_deadlock_stack=1 suppressions=$(CURDIR)/scripts/tsan.supp" \
	bash scripts/with-display.sh ctest --test-dir build-tsan --output-on-failure -R Threading

# Fuzz targets (tests/fuzz) built with clang, libFuzzer, ASan and UBSan, each run for FUZZ_SECONDS on
# a scratch copy of its seed corpus; any crash fails. Longer runs: make fuzz FUZZ_SECONDS=600.
FUZZ_SECONDS ?= 30
FUZZ_TARGETS := fuzz_preset_file fuzz_engine_midi

fuzz: deps
	CC=clang-14 CXX=clang++-14 $(MAKE) --no-print-directory BUILD=build-fuzz TARGET="$(FUZZ_TARGETS)" CMAKE_ARGS="-DORBMINI_FUZZ=ON -DORBMINI_BUILD_TESTS=OFF" build
	bash scripts/run-fuzzers.sh build-fuzz $(FUZZ_SECONDS) $(FUZZ_TARGETS)

# Start-up, further windows, dump apply and transfer figures against their targets (Release build,
# under the current display or a private virtual one). BENCH_ARGS picks one, e.g. BENCH_ARGS=windows.
BENCH_ARGS ?= all
bench: deps
	$(MAKE) --no-print-directory TARGET=orbmini_bench build
	bash scripts/with-display.sh ./$(BUILD)/bench/orbmini_bench $(BENCH_ARGS)

ci: test test-sanitize test-tsan fuzz

# A Debian package of the editor, its desktop entry, icons and preset file type:
# $(BUILD)/orbmini-editor_<version>_<arch>.deb
package: build
	cd $(BUILD) && cpack -G DEB

# The editor with a simulated OrbMini among its MIDI devices ("OrbMini Simulator" in Device Setup).
demo: deps
	$(MAKE) --no-print-directory BUILD=build-demo TARGET=OrbMiniEditor CMAKE_ARGS="-DORBMINI_DEMO_DEVICE=ON -DORBMINI_BUILD_TESTS=OFF" build
	./build-demo/OrbMiniEditor

clean:
	rm -rf build build-asan build-tsan build-fuzz build-demo
