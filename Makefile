# make run   installs what is missing, builds and starts the game
# make test  the same set-up, then the whole test suite, headless
# make bench the same set-up, then the benchmarks on a virtual X display
#            (BENCH_ARGS=--quick for a short run)
BUILD ?= build
JOBS ?= $(shell nproc)

.PHONY: run test build setup clean bench

setup:
	@bash tools/setup.sh

build: setup
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
	cmake --build $(BUILD) -j $(JOBS)

run: build
	$(BUILD)/tesmo

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

bench: build
	cmake --build $(BUILD) --target bench_programs -j $(JOBS)
	bash bench/run.sh $(BUILD)/bench $(BENCH_ARGS)

clean:
	rm -rf $(BUILD)
