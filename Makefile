# The two commands: `make run` and `make test`. Both install what they need first.
BUILD := build

.PHONY: run test bootstrap build

bootstrap:
	scripts/bootstrap

build: bootstrap
	cmake --preset windows
	cmake --build --preset windows

run: build
	scripts/run $(BUILD)

test: build
	scripts/test $(BUILD)
