# make run   installs what is missing, builds and starts the game
# make test  the same set-up, then the whole test suite, headless
BUILD ?= build
JOBS ?= $(shell nproc)

.PHONY: run test build setup clean

setup:
	@bash tools/setup.sh

build: setup
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
	cmake --build $(BUILD) -j $(JOBS)

run: build
	$(BUILD)/tesmo

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

clean:
	rm -rf $(BUILD)
