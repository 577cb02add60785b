# make run    installs what is missing, builds, starts the program on the embedded SQLite database
# make test   installs, builds, starts the PostgreSQL test server, runs every test, stops the server
# make build  builds only;  make bench  runs the benchmarks (SIZES=..., BACKENDS=...)
BUILD ?= build
JOBS ?= $(shell nproc)
SIZES ?= 10000,100000
BACKENDS ?= sqlite

.PHONY: deps configure build run test bench clean

deps:
	@bash scripts/install-deps.sh

configure:
	@test -f $(BUILD)/CMakeCache.txt || cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: configure
	cmake --build $(BUILD) -j $(JOBS)

run: deps build
	cd $(BUILD)/bin && ./lumora

test: deps build
	bash scripts/pg-test-server.sh start $(BUILD)/pgtest
	ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS); rc=$$?; \
	  bash scripts/pg-test-server.sh stop $(BUILD)/pgtest; exit $$rc

bench: deps build
	@if [ ! -x $(BUILD)/bin/lumora-bench ]; then echo "no benchmarks yet"; exit 0; fi; \
	 case ",$(BACKENDS)," in \
	   *,postgres,*) bash scripts/pg-test-server.sh start $(BUILD)/pgbench || exit 1; \
	     $(BUILD)/bin/lumora-bench --sizes $(SIZES) --backends $(BACKENDS) \
	       --pg-url "$$(cat $(BUILD)/pgbench/url)"; rc=$$?; \
	     bash scripts/pg-test-server.sh stop $(BUILD)/pgbench; exit $$rc ;; \
	   *) $(BUILD)/bin/lumora-bench --sizes $(SIZES) --backends $(BACKENDS) ;; \
	 esac

clean:
	rm -rf $(BUILD)
