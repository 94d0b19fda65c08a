# The two commands a newcomer needs:
#   make run    builds the game and starts it
#   make test   builds everything and runs every test headless (also under ASan+UBSan)
JOBS ?= 2
BUILD_TYPE ?= RelWithDebInfo

.PHONY: run test deps build build-asan test-build test-asan clean

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

clean:
	rm -rf build build-asan
