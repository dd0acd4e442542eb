# Veskaro CR: set-up, build, run and test on a fresh Debian machine.
BUILD      ?= build
ASAN_BUILD ?= build-asan
BENCH_BUILD ?= build-release
JOBS       ?= $(shell nproc 2>/dev/null || echo 2)
DEBS       := cmake g++ make qt6-base-dev libgl-dev libgtest-dev libgmock-dev libbenchmark-dev \
              fonts-liberation fonts-dejavu-core poppler-utils locales clang-tidy
CMAKE_ARGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo

.PHONY: all deps configure build run test test-asan tidy bench screenshots clean format install package

all: build

# Installs the Debian packages that are missing; as root or with sudo, else prints the line to run.
deps:
	@missing=""; for p in $(DEBS); do \
	  dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q "install ok installed" || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  if [ "$$(id -u)" = 0 ]; then SUDO=""; \
	  elif command -v sudo >/dev/null 2>&1 && sudo -n true 2>/dev/null; then SUDO="sudo"; \
	  else echo "Missing packages. Run:"; echo "  sudo apt-get update && sudo apt-get install -y$$missing"; exit 1; fi; \
	  echo "Installing:$$missing"; \
	  $$SUDO apt-get update -qq && DEBIAN_FRONTEND=noninteractive $$SUDO apt-get install -y -qq $$missing; \
	fi
	@# A decimal-comma locale for the locale-independence tests of number text.
	@if ! locale -a 2>/dev/null | grep -qi '^de_DE.utf-\?8$$'; then \
	  if [ "$$(id -u)" = 0 ]; then localedef -i de_DE -f UTF-8 de_DE.UTF-8 || true; \
	  elif command -v sudo >/dev/null 2>&1 && sudo -n true 2>/dev/null; then sudo localedef -i de_DE -f UTF-8 de_DE.UTF-8 || true; fi; \
	fi

$(BUILD)/CMakeCache.txt:
	cmake -S . -B $(BUILD) $(CMAKE_ARGS)

configure: deps $(BUILD)/CMakeCache.txt

build: configure
	cmake --build $(BUILD) -j $(JOBS)

run: build
	./$(BUILD)/veskaro-cr

test: build test-asan tidy
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# clang-tidy over every source file with the checks of .clang-tidy; the findings are the log's errors.
tidy: build
	@echo "clang-tidy over src/ (log: $(BUILD)/clang-tidy.log)"
	@run-clang-tidy -p $(BUILD) -quiet -j $(JOBS) "$$(pwd)/src/.*\.cpp$$" > $(BUILD)/clang-tidy.log 2>&1 \
	  || { grep -aE 'error:|Stack dump|Program arguments|Error while' $(BUILD)/clang-tidy.log | sort -u; echo "clang-tidy found the problems above"; exit 1; }

# The core and the headless command line under AddressSanitizer and UndefinedBehaviorSanitizer.
test-asan: deps
	cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DVESKARO_GUI=OFF -DVESKARO_BENCH=OFF -DVESKARO_SANITIZE=ON
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	cd $(ASAN_BUILD) && ctest --output-on-failure -j $(JOBS)

# Benchmarks run on an optimised build of their own.
bench: deps
	cmake -S . -B $(BENCH_BUILD) -DCMAKE_BUILD_TYPE=Release -DVESKARO_TESTS=OFF
	cmake --build $(BENCH_BUILD) -j $(JOBS)
	@for b in $(BENCH_BUILD)/bench/*_bench; do echo "== $$b"; QT_QPA_PLATFORM=offscreen $$b --benchmark_repetitions=5 --benchmark_report_aggregates_only=true || exit 1; done

# Installs into PREFIX (default /usr/local; DESTDIR works as usual).
PREFIX ?= /usr/local
install: build
	cmake --install $(BUILD) --prefix $(PREFIX)

# The Debian package (CPack) in $(BUILD)/: binary, desktop module, seed files, desktop entry, metainfo, icons.
package: build
	cd $(BUILD) && cpack -G DEB

screenshots: build
	mkdir -p $(BUILD)/screenshots
	QT_QPA_PLATFORM=offscreen ./$(BUILD)/veskaro-cr screenshots $(BUILD)/screenshots
	for lang in DEU FRA; do QT_QPA_PLATFORM=offscreen ./$(BUILD)/veskaro-cr screenshots $(BUILD)/screenshots/$$lang --lang $$lang; done

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(BENCH_BUILD)
