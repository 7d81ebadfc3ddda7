# The two commands: `make run` and `make test`. Both install what they need first.
BUILD := build

.PHONY: run test bench bootstrap build

bootstrap:
	scripts/bootstrap

build: bootstrap
	cmake --preset windows
	cmake --build --preset windows

run: build
	scripts/run $(BUILD)

test: build
	scripts/test $(BUILD)

# Not a test: prints the copy throughputs and the peak working set.
bench: build
	scripts/bench $(BUILD)
