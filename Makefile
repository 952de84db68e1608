# The two commands that matter: `make run` and `make test`. Each installs what
# is missing, builds, and then opens Velko or runs every test headless. `make
# run` builds only the program and its window module, not the tests.

BUILD_DIR ?= build
BUILD_TYPE ?= RelWithDebInfo
JOBS ?= $(shell nproc)
PREFIX ?= /usr/local

FUZZ_SECONDS ?= 60
DEB_DIR ?= build-deb

.PHONY: run test test-asan fuzz configure build deps bench format check-format clean install uninstall \
	deb test-deb

run: configure
	cmake --build $(BUILD_DIR) -j $(JOBS) --target velko velko-window
	$(BUILD_DIR)/src/velko

test: build
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# Every test again, built with AddressSanitizer and UBSan in build-asan/.
test-asan:
	./scripts/test-asan.sh

# Each libFuzzer target for FUZZ_SECONDS, built with clang in build-fuzz/.
fuzz:
	./scripts/fuzz.sh $(FUZZ_SECONDS)

configure: deps
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE)

build: configure
	cmake --build $(BUILD_DIR) -j $(JOBS)

deps:
	./scripts/install-deps.sh

bench: build
	./scripts/install-deps.sh bench
	./bench/run.sh $(BUILD_DIR)

install: build
	DESTDIR="$(DESTDIR)" cmake --install $(BUILD_DIR) --prefix "$(PREFIX)"

uninstall:
	DESTDIR="$(DESTDIR)" ./scripts/uninstall.sh $(BUILD_DIR)/install_manifest.txt

# The Debian package, DEB_DIR/velko_VERSION_amd64.deb, built by
# dpkg-buildpackage in a copy of the tree (the files git tracks or would
# track, changed or not), so that neither the tree nor its parent folder gets
# the build's files.
deb:
	./scripts/install-deps.sh deb
	rm -rf $(DEB_DIR)
	mkdir -p $(DEB_DIR)/velko
	git ls-files -z --cached --others --exclude-standard >$(DEB_DIR)/files
	tar -c --null --files-from=$(DEB_DIR)/files --ignore-failed-read -f - | tar -x -C $(DEB_DIR)/velko
	cd $(DEB_DIR)/velko && \
		DEB_BUILD_OPTIONS="nocheck noddebs parallel=$(JOBS)" dpkg-buildpackage -us -uc -b
	rm -rf $(DEB_DIR)/velko $(DEB_DIR)/files

# Checks the package with lintian, installs it into a scratch root, runs it,
# compares it with "make install PREFIX=/usr" and removes it again.
test-deb: deb build
	sh tests/install/test_deb.sh $(DEB_DIR)/velko_*_amd64.deb $(BUILD_DIR)

SOURCES_TO_FORMAT = $$(git ls-files '*.cpp' '*.h' '*.inl')

format:
	clang-format -i $(SOURCES_TO_FORMAT)

# Fails, naming the file and line, where a source is not as clang-format
# would write it.
check-format:
	./scripts/install-deps.sh format
	clang-format --dry-run -Werror $(SOURCES_TO_FORMAT)

clean:
	rm -rf $(BUILD_DIR) build-asan build-fuzz $(DEB_DIR)
