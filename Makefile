# SPDX-FileCopyrightText: 2026 Tesmo developers <autore@tesmo.example>
# SPDX-License-Identifier: GPL-3.0-or-later
# make run   installs what is missing, builds and starts the game
# make test  the same set-up, then the whole test suite, headless
# make bench the same set-up, then the benchmarks on a virtual X display
#            (BENCH_ARGS=--quick for a short run)
# make deb   builds the Debian package in build-deb/ and checks it with lintian
# make fuzz  builds the fuzz targets of the file readers (clang, libFuzzer,
#            address and undefined-behaviour sanitizers) into $(FUZZ_BUILD)
BUILD ?= build
FUZZ_BUILD ?= build-fuzz
JOBS ?= $(shell nproc)

.PHONY: run test build setup clean bench deb fuzz

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
	cmake --build $(BUILD) -j $(JOBS) --target sound_latency && $(BUILD)/bench/sound_latency

# The package is built from a copy of the tree, so that dpkg-buildpackage
# leaves its files in build-deb/ and nothing in the folder above.
deb:
	@bash tools/setup.sh deb
	rm -rf build-deb && mkdir -p build-deb/tesmo
	tar --exclude=./.git --exclude='./build*' -cf - . | tar -C build-deb/tesmo -xf -
	cd build-deb/tesmo && DEB_BUILD_OPTIONS="parallel=$(JOBS)" dpkg-buildpackage -b -us -uc
	lintian -I -E --pedantic --fail-on error,warning,info,pedantic,experimental build-deb/tesmo_*.changes

fuzz: setup
	cmake -S fuzz -B $(FUZZ_BUILD) -DCMAKE_CXX_COMPILER=clang++ >/dev/null
	cmake --build $(FUZZ_BUILD) -j $(JOBS)

clean:
	rm -rf $(BUILD) build-deb $(FUZZ_BUILD)
