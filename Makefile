# The two commands a newcomer needs: `make run` and `make test`.
# Both install what is missing, build, and start the services they use.
.PHONY: setup host win test test-host test-win run bench fuzz dist clean

JOBS ?= $(shell nproc)

setup:
	@tools/setup.sh

host: setup
	@cmake -S . -B build/host -DCMAKE_BUILD_TYPE=Debug >/dev/null
	@cmake --build build/host -j$(JOBS)

win: setup
	@cmake -S . -B build/win -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake -DCMAKE_BUILD_TYPE=Release >/dev/null
	@cmake --build build/win -j$(JOBS)

test-host: host
	ctest --test-dir build/host --output-on-failure

test-win: win
	@tools/services.sh start
	ctest --test-dir build/win --output-on-failure; rc=$$?; tools/wine-run --wait; exit $$rc

test: test-host test-win

run: win
	@tools/services.sh start
	@tools/run-morvi.sh

bench: win
	@tools/services.sh start
	@tools/bench.sh

fuzz: setup
	@tools/fuzz.sh

# The setup program and the portable archive, from a fresh build in build/dist.
dist: setup
	@rm -rf build/dist
	@cmake -S . -B build/dist -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake -DCMAKE_BUILD_TYPE=Release >/dev/null
	@cmake --build build/dist -j$(JOBS) --target setup archive
	@mkdir -p dist
	@cp build/dist/packaging/Morvi-*-setup.exe build/dist/packaging/Morvi-*.zip dist/
	@ls -l dist

clean:
	rm -rf build dist
