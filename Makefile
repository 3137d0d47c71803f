# The two commands of the README, and the developers' extras. Each installs what is
# missing, configures and builds as needed.
BUILD := build
SANITIZE_BUILD := build-sanitize
WINDOWS_BUILD := build-windows
WEB_BUILD := build-web
RELEASE_BUILD := build-release
DEBIAN_BUILD := build-debian
# The other Debian release's root, and the Linux program's build in it.
OTHER_RELEASE := build-other-release
# The Debian source package's clean roots of both releases, and its builds in them.
SOURCE_PACKAGE := build-source-package
JOBS := $(shell nproc)
FUZZ_SECONDS := 180

.PHONY: deps-build deps-check deps-windows deps-web build build-sanitize windows web \
  run check bench fuzz screenshot package

# What each command installs first, if it is missing (scripts/install-deps): building and
# starting the Linux program needs the "build" group only; the tests, the Windows program
# and the browser's page need more.
deps-build:
	@scripts/install-deps build
deps-check:
	@scripts/install-deps build check windows web
deps-windows:
	@scripts/install-deps build windows
deps-web:
	@scripts/install-deps build web

# A configure that fails leaves no cache behind, so that the next make configures again.
$(BUILD)/CMakeCache.txt: | deps-build
	cmake --preset default || { rm -f $@; exit 1; }

# Every further tree is configured from the preset of its name: build-windows from "windows".
build-%/CMakeCache.txt:
	cmake --preset $* || { rm -f $@; exit 1; }

build: deps-build $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS)

build-sanitize: deps-check $(SANITIZE_BUILD)/CMakeCache.txt
	cmake --build $(SANITIZE_BUILD) -j $(JOBS)

# The Windows program, $(WINDOWS_BUILD)/win32/veltaro.exe, and its tests.
windows: deps-windows $(WINDOWS_BUILD)/CMakeCache.txt
	cmake --build $(WINDOWS_BUILD) -j $(JOBS)

# The browser's build with emscripten, and its tests.
web: deps-web $(WEB_BUILD)/CMakeCache.txt
	cmake --build $(WEB_BUILD) -j $(JOBS)

run: build
	$(BUILD)/app/veltaro

# Every test, then every test again under AddressSanitizer and UndefinedBehaviorSanitizer
# with the fuzzers; then the Windows program's tests under Wine (on an x86-64 stand-in where
# no 32-bit code runs, README); then a
# packager's builds, each with the unit tests: Release with the compiler's default flags,
# and Debian's own flags;
# then the browser's build, its unit tests under Node.js and the page's in Chromium, Firefox
# ESR and WebKitGTK, and under Orca; last the Linux program built and tested in a root of
# the other Debian release (13 on 12, 12 on 13); and the Debian source package built, judged
# by lintian and tested in clean roots of both releases.
check: deps-check build build-sanitize windows web
	ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)
	ctest --test-dir $(SANITIZE_BUILD) --output-on-failure -j $(JOBS)
	ctest --test-dir $(WINDOWS_BUILD) --output-on-failure -j $(JOBS)
	scripts/packager-build release $(RELEASE_BUILD)
	scripts/packager-build debian $(DEBIAN_BUILD)
	ctest --test-dir $(WEB_BUILD) --output-on-failure -j $(JOBS)
	scripts/release-root $(OTHER_RELEASE)/root
	scripts/release-check $(OTHER_RELEASE)/root $(OTHER_RELEASE)/build
	scripts/source-package-check $(SOURCE_PACKAGE)

# The calculation's micro-benchmarks, the start-up against a bare Qt window, and the time
# from a click on "Изчисли" to the result painted; the Windows program's size, imports and
# start-up under Wine against a bare Win32 window, and what its Wine's root costs to make;
# the page's first paint and usable window against a bare page of the same controls.
bench: deps-check build windows web
	$(BUILD)/bench/calc_bench --benchmark_repetitions=9 --benchmark_report_aggregates_only=true
	bench/startup/run $(BUILD)
	QT_QPA_PLATFORM=offscreen $(BUILD)/app/tests/form_window_test clickToResultIsPainted -iterations 1000
	bench/windows/run $(BUILD) $(WINDOWS_BUILD)
	bench/web/run $(WEB_BUILD)

fuzz: build-sanitize
	for fuzzer in parse_leading_number compute_percent; do \
	  $(SANITIZE_BUILD)/fuzz/$${fuzzer}_fuzzer -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 \
	    $(SANITIZE_BUILD)/fuzz/$${fuzzer}_corpus fuzz/corpus/$${fuzzer} || exit 1; \
	done

screenshot: build
	@scripts/install-deps docs
	scripts/screenshot $(BUILD)/app/veltaro

package: build
	@scripts/install-deps check
	cpack --config $(BUILD)/CPackConfig.cmake -B $(BUILD)/package
