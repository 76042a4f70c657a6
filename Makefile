# Two commands: `make run` and `make test`. Both install what is missing first.
BUILD ?= build
# The engine and command-line tests once more under AddressSanitizer and UndefinedBehaviorSanitizer.
SAN_BUILD ?= build-asan
SAN_ENV = UBSAN_OPTIONS=print_stacktrace=1
JOBS ?= $(shell nproc)

.PHONY: deps build run test bench package clean

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
	@cmake --build $(SAN_BUILD) -j $(JOBS) --target engine_tests
	cd $(SAN_BUILD) && $(SAN_ENV) ctest --output-on-failure -j $(JOBS)

bench: build
	@for b in $(BUILD)/bench/bench_*; do echo "== $$b"; $$b || exit 1; done

# A Debian package of the ordinary build, checked by unpacking it and starting the program headless.
package: build
	@scripts/install-deps package
	@cd $(BUILD) && rm -f quintaro_*.deb && cpack -G DEB >/dev/null
	@scripts/check-package $(BUILD)/quintaro_*.deb

clean:
	rm -rf $(BUILD) $(SAN_BUILD)
