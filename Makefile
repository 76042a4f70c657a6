# Two commands: `make run` and `make test`. Both install what is missing first.
BUILD ?= build
# The engine, command-line and generator tests once more under AddressSanitizer and UndefinedBehaviorSanitizer.
SAN_BUILD ?= build-asan
SAN_ENV = UBSAN_OPTIONS=print_stacktrace=1
# libFuzzer targets of the file readers (clang), each run for FUZZ_SECONDS.
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 60
JOBS ?= $(shell nproc)

.PHONY: deps build run test bench fuzz package clean

deps:
	@scripts/install-deps

build: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release >/dev/null
	@cmake --build $(BUILD) -j $(JOBS)

run: build
	$(BUILD)/quintaro

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)
	@cmake -S . -B $(SAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DQUINTARO_SANITIZE=ON >/dev/null
	@cmake --build $(SAN_BUILD) -j $(JOBS) --target engine_tests systemgen_tests
	cd $(SAN_BUILD) && $(SAN_ENV) ctest --output-on-failure -j $(JOBS)

bench: build
	@for b in $(BUILD)/bench/bench_*; do echo "== $$b"; $$b || exit 1; done

fuzz: deps
	@scripts/install-deps fuzz
	@cmake -S . -B $(FUZZ_BUILD) -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUINTARO_FUZZ=ON >/dev/null
	@cmake --build $(FUZZ_BUILD) -j $(JOBS)
	@UBSAN_OPTIONS=print_stacktrace=1 scripts/run-fuzzers $(FUZZ_BUILD) $(FUZZ_SECONDS)

# A Debian package of the ordinary build, checked by unpacking it and starting the program headless.
package: build
	@scripts/install-deps package
	@cd $(BUILD) && rm -f quintaro_*.deb && cpack -G DEB >/dev/null
	@scripts/check-package $(BUILD)/quintaro_*.deb

clean:
	rm -rf $(BUILD) $(SAN_BUILD) $(FUZZ_BUILD)
