# Entry points; see README.md.
BUILD ?= build
JOBS ?= $(shell nproc)
# WERROR=ON makes every compiler warning an error (CI sets it, .ci/run).
WERROR ?= OFF
CONFIGURE = -DKESTREL_WERROR=$(WERROR)

.PHONY: deps build test run clean sanitize tsan golden deb

deps:
	@./scripts/install-deps.sh

build: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CONFIGURE)
	cmake --build $(BUILD) -j $(JOBS)

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

sanitize: deps
	cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DKESTREL_SANITIZE=ON -DKESTREL_BENCHMARKS=OFF $(CONFIGURE)
	cmake --build build-asan -j $(JOBS)
	cd build-asan && ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 ctest --output-on-failure -j $(JOBS)

# The threaded tests under ThreadSanitizer.
TSAN_TESTS = write_behind_test playback_channels_test playback_sdl_test receiver_sound_test
tsan: deps
	cmake -S . -B build-tsan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKESTREL_TSAN=ON -DKESTREL_BENCHMARKS=OFF -DKESTREL_GUI=OFF $(CONFIGURE)
	cmake --build build-tsan -j $(JOBS) --target $(TSAN_TESTS)
	for t in $(TSAN_TESTS); do TSAN_OPTIONS=halt_on_error=1 build-tsan/tests/$$t || exit 1; done

# Rewrites tests/golden/dial.txt, the whole-dial digests, after a deliberate
# content change (say so in the commit message).
golden: build
	KESTREL_GOLDEN_WRITE=1 $(BUILD)/tests/dial_golden_test

# The receiver runs in RUN_DIR, which holds its channel files and fone/. The
# recordings come from the build target RECORDINGS_TARGET, which writes
# RECORDINGS_DIR; without that target the receiver runs without them.
RUN_DIR ?= run
RECORDINGS_TARGET ?= recordings
RECORDINGS_DIR ?= $(BUILD)/fone

run: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CONFIGURE)
	cmake --build $(BUILD) -j $(JOBS) --target kestrel
	mkdir -p $(RUN_DIR)
	@if [ ! -d $(RUN_DIR)/fone ]; then \
	  if cmake --build $(BUILD) --target help | grep -qE '^(\.\.\. )?$(RECORDINGS_TARGET)(:.*)?$$'; then \
	    cmake --build $(BUILD) -j $(JOBS) --target $(RECORDINGS_TARGET) && cp -r $(RECORDINGS_DIR) $(RUN_DIR)/fone; \
	  else \
	    echo "No '$(RECORDINGS_TARGET)' target: starting without the recordings in fone/."; \
	  fi; \
	fi
	cd $(RUN_DIR) && $(abspath $(BUILD))/app/kestrel

# The Debian package $(BUILD)/kestrel_<version>_<arch>.deb (CPack, dependencies
# from dpkg-shlibdeps), checked by lintian. Install it with
#   sudo apt-get install ./$(BUILD)/kestrel_*.deb
deb: deps
	@./scripts/install-deps.sh dpkg-dev file lintian appstream desktop-file-utils
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CONFIGURE)
	cmake --build $(BUILD) -j $(JOBS) --target kestrel kestrel-cli manpages $(RECORDINGS_TARGET)
	@test -f $(RECORDINGS_DIR)/noise.wav || { echo "No recordings in $(RECORDINGS_DIR)"; exit 1; }
	rm -f $(BUILD)/kestrel_*.deb
	cd $(BUILD) && cpack -G DEB
	lintian --fail-on error $(BUILD)/kestrel_*.deb
	@# The installed desktop entry and metainfo, as a desktop and a software centre read them.
	rm -rf $(BUILD)/deb-check && mkdir -p $(BUILD)/deb-check && dpkg-deb -x $(BUILD)/kestrel_*.deb $(BUILD)/deb-check
	appstreamcli validate --no-net $(BUILD)/deb-check/usr/share/metainfo/*.metainfo.xml
	@out="$$(desktop-file-validate $(BUILD)/deb-check/usr/share/applications/kestrel.desktop)"; \
	  if [ -n "$$out" ]; then echo "$$out"; exit 1; fi

clean:
	rm -rf $(BUILD) build-asan build-tsan
