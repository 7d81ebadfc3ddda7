# The two commands: `make run` and `make test`. Both install what they need first.
BUILD := build
BUILD64 := build-64
HOST_BUILD := build-host
# Seconds that `make fuzz` gives each fuzz target.
FUZZ_SECONDS := 180

.PHONY: run test bench fuzz bootstrap build build64 host

bootstrap:
	scripts/bootstrap

build: bootstrap
	cmake --preset windows
	cmake --build --preset windows

# The same program for 64-bit Windows, so that the code stays clean on both word sizes.
build64: bootstrap
	cmake --preset windows64
	cmake --build --preset windows64

# The system-free units natively, under the address and undefined-behaviour sanitizers.
host: bootstrap
	cmake --preset host
	cmake --build --preset host

run: build
	scripts/run $(BUILD)

test: build build64 host
	ctest --test-dir $(HOST_BUILD) --output-on-failure
	scripts/test $(BUILD)
	scripts/test $(BUILD64) -LE e2e

# Not a test: prints the copy throughputs and the peak working set.
bench: build
	scripts/bench $(BUILD)

# Not a test: runs each fuzz target for FUZZ_SECONDS and prints executions and findings.
fuzz: host
	scripts/fuzz $(HOST_BUILD) $(FUZZ_SECONDS)
