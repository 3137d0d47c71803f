# The two commands of the README, and the developers' extras. Each installs what is
# missing, configures and builds as needed.
BUILD := build
JOBS := $(shell nproc)

.PHONY: deps configure build run check bench screenshot package

deps:
	@scripts/install-deps

$(BUILD)/CMakeCache.txt: | deps
	cmake -S . -B $(BUILD)

configure: $(BUILD)/CMakeCache.txt

build: deps configure
	cmake --build $(BUILD) -j $(JOBS)

run: build
	$(BUILD)/app/veltaro

check: build
	ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)

bench: build
	$(BUILD)/bench/calc_bench

screenshot: build
	@scripts/install-deps docs
	scripts/screenshot $(BUILD)/app/veltaro

package: build
	cpack --config $(BUILD)/CPackConfig.cmake -B $(BUILD)/package
