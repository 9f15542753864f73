# Shared by scripts/fuzz and scripts/fuzz-campaign: seed inputs made from the
# demo images, in the form each fuzz target reads, and the target list.

# quorled_fuzz_targets: the names of the targets fuzz/CMakeLists.txt builds
# (every fuzz/fuzz_*.cpp).
quorled_fuzz_targets() {
    local source
    for source in "$QUORLED_ROOT"/fuzz/fuzz_*.cpp; do
        basename "$source" .cpp
    done
}

# quorled_fuzz_seeds BUILD_DIR WORK_DIR: writes WORK_DIR/seeds (image
# targets) and WORK_DIR/seeds-NAME for targets that read something else.
quorled_fuzz_seeds() {
    local build="$1" work="$2"
    local seeds="$work/seeds" cli="$build/quorled-cli"
    mkdir -p "$seeds"
    rm -f "$work/demo.nes" "$work/demo.smc" # demo writes only new files
    "$cli" demo "$work/demo.nes" >/dev/null
    "$cli" demo "$work/demo.smc" --kind snes >/dev/null
    slice() { dd if="$1" iflag=skip_bytes,count_bytes skip="$2" count="$3" status=none; }
    { printf '\x00'; slice "$work/demo.nes" $((0x10025)) 16384; } > "$seeds/ines-region"
    { printf '\x01'; slice "$work/demo.smc" $((0x8D2AD)) 16384; } > "$seeds/snes-region"
    { printf '\x02\x10\x00'; slice "$work/demo.nes" $((0x10027)) 4096; } > "$seeds/cut"
    # A crafted shape: a block of 9,000 layer switches at $10400; the last
    # six bytes name it (and enemy data at $13800) as the data of every
    # area for the shared-areas target.
    { printf '\x00'; slice "$work/demo.nes" $((0x10025)) $((0x10400 - 0x10025)); printf '\x50\x08\x00\x00'
      head -c 9000 /dev/zero | tr '\000' '\364'; printf '\xff\x00\x38\x01\x00\x04\x01'; } > "$seeds/layers"
    # The import target reads documents as `area --json` writes them.
    mkdir -p "$work/seeds-fuzz_importjson"
    local area
    for area in 0 2 31 83 195; do
        "$cli" area "$work/demo.nes" "$area" --json > "$work/seeds-fuzz_importjson/area$area.json"
    done
    # The move target reads a selector, an address text and a level dump.
    mkdir -p "$work/seeds-fuzz_datamove"
    { printf '\x05\x0511000'; slice "$work/demo.nes" $((0x10010)) 16384; } > "$work/seeds-fuzz_datamove/level"
    { printf '\x03\x06$13100'; slice "$work/demo.nes" $((0x10010)) 16384; } > "$work/seeds-fuzz_datamove/enemy"
    # The set target reads a table selector, where the row text ends, and
    # the row and value texts.
    mkdir -p "$work/seeds-fuzz_setvalue"
    printf '\x00\x0112' > "$work/seeds-fuzz_setvalue/characters"
    printf '\x0f\x040x1f255' > "$work/seeds-fuzz_setvalue/lives"
    printf '\x0a\x02 3-7' > "$work/seeds-fuzz_setvalue/negative"
}

# quorled_fuzz_seed_dirs WORK_DIR NAME: the folders that seed target NAME:
# its kept corpus under fuzz/corpus and the seeds made for it.
quorled_fuzz_seed_dirs() {
    local work="$1" name="$2"
    if [ -d "$QUORLED_ROOT/fuzz/corpus/$name" ]; then
        echo "$QUORLED_ROOT/fuzz/corpus/$name"
    fi
    if [ -d "$QUORLED_ROOT/fuzz/seeds/$name" ]; then
        echo "$QUORLED_ROOT/fuzz/seeds/$name"
    elif [ -d "$work/seeds-$name" ]; then
        echo "$work/seeds-$name"
    else
        echo "$work/seeds"
    fi
}
