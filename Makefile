# Quendelmar: build, run and test.
#   make run    configure, build and start the game
#   make test   configure, build and run every test
#   make bench  build and run the benchmarks (bench/)
#   make deb    build a Debian package of the game (CPack) in build/
#   make fuzz   build the fuzz targets with clang and fuzz each for a minute (fuzz/)
#   make update-transcripts  rewrite the transcripts' answers from the game (review with git diff)

PACKAGES := cmake ninja-build g++ pkg-config libncurses-dev libvterm-dev libgtest-dev libbenchmark-dev clang libclang-rt-dev
BUILD    := build

.PHONY: run test bench deb fuzz build deps clean update-transcripts

run: build
	./$(BUILD)/quendelmar

test: build
	cd $(BUILD) && ctest --output-on-failure

update-transcripts: build
	./$(BUILD)/tests/quendelmar_transcripts --update

bench: build
	./$(BUILD)/bench/quendelmar_bench

# dpkg-shlibdeps (dpkg-dev) finds the package's dependencies; CPack needs file.
deb: PACKAGES += dpkg-dev file
deb: build
	cd $(BUILD) && cpack -G DEB

# make fuzz [FUZZ_SECONDS=60]: the libFuzzer targets, built with clang in
# build-fuzz/, each run that long from its seed corpus (fuzz/run.sh).
FUZZ_SECONDS := 60
fuzz: deps
	fuzz/run.sh $(FUZZ_SECONDS)

build: deps
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_FLAGS)
	cmake --build $(BUILD)

deps:
	@missing=""; \
	for p in $(PACKAGES); do \
	  dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q 'ok installed' || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  if [ "$$(id -u)" = 0 ]; then \
	    echo "Installing:$$missing"; \
	    apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq $$missing; \
	  else \
	    echo "Missing packages. Please run:"; \
	    echo "  sudo apt-get install$$missing"; \
	    exit 1; \
	  fi; \
	fi

clean:
	rm -rf $(BUILD)
