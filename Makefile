# The two commands that matter: `make run` and `make test`. Each installs what
# is missing, builds, and then opens Velko or runs every test headless.

BUILD_DIR ?= build
BUILD_TYPE ?= RelWithDebInfo
JOBS ?= $(shell nproc)

.PHONY: run test build deps bench format clean

run: build
	$(BUILD_DIR)/src/velko

test: build
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

build: deps
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE)
	cmake --build $(BUILD_DIR) -j $(JOBS)

deps:
	./scripts/install-deps.sh

bench: build
	./scripts/install-deps.sh bench
	./bench/run.sh $(BUILD_DIR)

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')

clean:
	rm -rf $(BUILD_DIR)
