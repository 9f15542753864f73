"""Prints the benchmark table of scripts/bench from Google Benchmark's JSON
and the Qt Test benchmark's text output. Exits 1 when a redraw allocated."""
import json
import re
import sys


def median_times(path):
    """Median real time in microseconds and counters of each benchmark."""
    times, counters = {}, {}
    for run in json.load(open(path))["benchmarks"]:
        if run.get("aggregate_name") != "median":
            continue
        name = run["run_name"]
        scale = {"ns": 1e-3, "us": 1.0, "ms": 1e3, "s": 1e6}[run["time_unit"]]
        times[name] = run["real_time"] * scale
        counters[name] = {k: v for k, v in run.items() if k in ("allocs", "reads", "history_mb")}
    return times, counters


def window_time(path, name="mouseMoveOverTheLevelView"):
    text = open(path).read()
    match = re.search(r"RESULT : WindowBench::" + name + r"\(\):\s*\n\s*([0-9.,]+) msecs per iteration", text)
    return float(match.group(1).replace(",", "")) * 1e3 if match else None


def startup_time(path):
    """Median of the start-to-first-paint runs, in microseconds."""
    runs = sorted(float(m) for m in re.findall(r"^first paint ([0-9.]+) ms$", open(path).read(), re.M))
    return runs[len(runs) // 2] * 1e3 if runs else None


def us(value):
    if value is None:
        return "-"
    return f"{value / 1e3:.2f} ms" if value >= 1000 else f"{value:.1f} us"


def main():
    times, counters = median_times(sys.argv[1])
    move = window_time(sys.argv[2])
    start = startup_time(sys.argv[3])
    floor = times["BM_Floor_FrameCopyAnd240Tiles"]
    byte = times["BM_LoadArea_BytePerCall"]
    rows = []

    def row(figure, value, baseline_name, baseline, ratio, target, ok):
        result = "-" if ok is None else ("PASS" if ok else "MISS")
        rows.append((figure, us(value), baseline_name, us(baseline), ratio, target, result))

    for name, label in (("BM_DrawArea_BusyHorizontal", "drawArea, busy horizontal area"),
                        ("BM_DrawArea_BusyVertical", "drawArea, busy vertical area")):
        ratio = times[name] / floor
        row(label, times[name], "floor (a)", floor, f"{ratio:.2f}x floor", "<= 3x floor", ratio <= 3)
    pages = times["BM_DrawAreaMap_16Pages"]
    row("whole-area map, 16 pages", pages, "16 x floor (a)", 16 * floor, f"{pages / (16 * floor):.2f}x floor",
        "-", None)
    palette = times["BM_ApplyLevelPalette"]
    row("applyLevelPalette", palette, "floor (a)", floor, f"{palette / floor:.2f}x floor", "-", None)
    load = times["BM_LoadArea_FromFile"]
    row("area load from file", load, "byte-per-call (b)", byte, f"{byte / load:.1f}x faster", ">= 30x faster",
        byte / load >= 30)
    row("save of an unchanged area", times["BM_SaveArea_Unchanged"], "-", None, "-", "-", None)
    meter = times["BM_RoomMeter_AfterEdit"]
    row("room meter after an edit", meter, "-", None, "-", "< 0.5 ms", meter < 500)
    verify = times["BM_VerifyAllAreas"]
    row("verify all 210 areas", verify, "-", None, "-", "< 50 ms", verify < 50e3)
    relocate = times["BM_RelocatingSave_FourEnemiesAdded"]
    row("move and save, 4 enemies added (mean of 210 areas)", relocate, "-", None, "-", "< 10 ms", relocate < 10e3)
    bps = times["BM_BpsPatch_8MiBOneByteChanged"]
    row("BPS patch of two 8 MiB images", bps, "-", None, "-", "< 100 ms", bps < 100e3)
    ips = times["BM_IpsApply_2MillionRuns"]
    row("IPS apply of 2 million run records", ips, "-", None, "-", "< 100 ms", ips < 100e3)
    crafted = times["BM_Verify_AllAreasOnOneLayerBlock"]
    row("verify, all areas on one block of 9,000 layer switches", crafted, "-", None, "-", "< 100 ms",
        crafted < 100e3)
    distinct = times["BM_Directory_AreasAtTheirOwnPlacesOfOneBlock"]
    row("directory, every area at its own place in that block", distinct, "-", None, "-", "< 100 ms",
        distinct < 100e3)
    for name, label in (("BM_Check_AreasAtTheirOwnPlacesOfOneBlock", "check, every area at its own place in that block"),
                        ("BM_Stats_AreasAtTheirOwnPlacesOfOneBlock", "stats, every area at its own place in that block")):
        row(label, times[name], "-", None, "-", "< 100 ms", times[name] < 100e3)
    views = times["BM_GameViews_AllAreasOnOneLayerBlock"]
    row("whole-game views, all areas on that block", views, "-", None, "-", "< 100 ms", views < 100e3)
    sharedThumbs = times["BM_Overview_AllAreasOnOneLayerBlock"]
    row("overview thumbnails, all areas on that block", sharedThumbs, "-", None, "-", "< 300 ms",
        sharedThumbs < 300e3)
    zoomed = times["BM_ZoomedMap_LargestPicture"]
    row("16-page map widened at zoom 4 (16384 x 960)", zoomed, "-", None, "-", "-", None)
    thumbs = times["BM_Overview_AllThumbnails"]
    row("overview, all 210 thumbnails", thumbs, "-", None, "-", "< 300 ms", thumbs < 300e3)
    for name, label in (("BM_Find_AllAreas", "find over all 210 areas"), ("BM_Check_AllAreas", "check all 210 areas")):
        row(label, times[name], "-", None, "-", "< 20 ms", times[name] < 20e3)
    problems = times["BM_Problems_AfterEdit"]
    row("problems after an edit", problems, "-", None, "-", "< 5 ms", problems < 5e3)
    unpack = times["BM_Unpack_WholeImage"]
    row("unpack, all 210 areas and tables", unpack, "-", None, "-", "< 200 ms", unpack < 200e3)
    pack = times["BM_Pack_WholeProject"]
    row("pack, all 210 areas and tables", pack, "-", None, "-", "< 200 ms", pack < 200e3)
    row("mouse move, event to paint, zoom 2", move, "-", None, "-", "< 2 ms", move is not None and move < 2e3)
    drag = window_time(sys.argv[2], "dragOf100SelectedItems")
    row("drag of 100 selected items, event to paint, zoom 2", drag, "-", None, "-", "< 2 ms",
        drag is not None and drag < 2e3)
    box = window_time(sys.argv[2], "boxSelectOverTheScreen")
    row("box select over a busy screen, event to paint", box, "-", None, "-", "< 2 ms", box is not None and box < 2e3)

    page = window_time(sys.argv[2], "pageDownToAnotherArea")
    row("Page Down to the painted view of another area", page, "-", None, "-", "< 16 ms",
        page is not None and page < 16e3)
    undo = times["BM_UndoRedo_AreaStep"]
    row("undo or redo of an area step, with the redraw", undo, "-", None, "-", "< 2 ms", undo < 2e3)
    save_all = times["BM_SaveAll_20ChangedAreas"]
    row("save all of 20 changed areas (one checked write)", save_all, "-", None, "-", "< 50 ms", save_all < 50e3)
    history = counters["BM_History_1000StepsBusiestArea"].get("history_mb")
    rows.append(("history memory after 1,000 steps in the busiest area",
                 "-" if history is None else f"{history:.2f} MB", "-", "-", "-", "< 64 MB",
                 "MISS" if history is None or history >= 64 else "PASS"))

    row("start to first painted level view", start, "-", None, "-", "< 200 ms", start is not None and start < 200e3)

    allocations = max(counters[n].get("allocs", 0) for n in ("BM_DrawArea_BusyHorizontal", "BM_DrawArea_BusyVertical"))
    rows.append(("heap allocations per redraw", f"{allocations:g}", "-", "-", "-", "0", "PASS" if allocations == 0 else "MISS"))

    header = ("figure", "time", "baseline", "baseline time", "ratio", "target", "result")
    print()
    print("| " + " | ".join(header) + " |")
    print("|" + "|".join("---" for _ in header) + "|")
    for r in rows:
        print("| " + " | ".join(r) + " |")
    if allocations > 0:
        print(f"\nFAILED: drawArea made {allocations:g} heap allocations per redraw after the first.", file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
