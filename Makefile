# Quendelmar: build, run and test.
#   make run    configure, build and start the game
#   make test   configure, build and run every test
#   make bench  build and run the benchmarks
#   make update-transcripts  rewrite the transcripts' answers from the game (review with git diff)

PACKAGES := cmake ninja-build g++ pkg-config libncurses-dev libvterm-dev libgtest-dev libbenchmark-dev
BUILD    := build

.PHONY: run test bench build deps clean update-transcripts

run: build
	./$(BUILD)/quendelmar

test: build
	cd $(BUILD) && ctest --output-on-failure

update-transcripts: build
	./$(BUILD)/tests/quendelmar_transcripts --update

bench: build
	./$(BUILD)/quendelmar_bench

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
