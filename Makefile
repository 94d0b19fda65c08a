# The two commands a newcomer needs:
#   make run    builds the game and starts it
#   make test   builds everything and runs every test headless (also under ASan+UBSan)
JOBS ?= 2
BUILD_TYPE ?= RelWithDebInfo

.PHONY: run test deps build build-asan test-build test-asan bench clean fuzz monkey soak kills exit-real

deps:
	@scripts/install-deps.sh

build: deps
	cmake -S . -B build -DCMAKE_BUILD_TYPE=$(BUILD_TYPE)
	cmake --build build -j$(JOBS)

build-asan: deps
	cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DKEZORA_SANITIZE=ON
	cmake --build build-asan -j$(JOBS)

run: build
	./build/kezora

test-build: build
	cd build && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j$(JOBS)

test-asan: build-asan
	cd build-asan && QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0 \
	  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 ctest --output-on-failure -j$(JOBS)

test: test-build test-asan

# Release build of the game, the driver and the benchmarks in build-bench/,
# then every benchmark, one line per target (not part of make test).
bench: deps
	cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DKEZORA_BENCH=ON
	cmake --build build-bench -j$(JOBS) --target kezora kezora_help kezora-sim kezora-bench-micro kezora-bench-window kezora-mapwait
	tools/bench/run.sh build-bench

# Reliability campaigns, longer than make test runs them (docs/reliability.md).
fuzz:
	tools/fuzz/run.sh $(or $(RUNS),1000000)

monkey: build
	cd build && QT_QPA_PLATFORM=offscreen nice ./kezora-monkey $(or $(SCRIPTS),10000)

soak: build build-asan
	cd build && QT_QPA_PLATFORM=offscreen nice ./kezora-soak 200
	cd build-asan && QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 \
	  LSAN_OPTIONS=suppressions=$(CURDIR)/tests/reliability/lsan.supp nice ./kezora-soak 200

kills: build
	cd build && QT_QPA_PLATFORM=offscreen KEZORA_KILLS=$(or $(KILLS),1000) \
	  tests/test_reliability --gtest_filter='InterruptedSaves.*'

exit-real: build
	tests/reliability/exit_real.sh build $(or $(RUNS),10)

clean:
	rm -rf build build-asan build-fuzz build-bench
