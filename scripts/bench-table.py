#!/usr/bin/python3
"""Turns scripts/bench's measurements into a Markdown table: bench-table.py DIR RUNS."""
import json
import platform
import subprocess
import sys

out, runs = sys.argv[1], sys.argv[2]

times = {}
for b in json.load(open(f"{out}/key.json"))["benchmarks"]:
    if b.get("aggregate_name") == "median":
        times[b["run_name"]] = b["real_time"]
wine = dict(line.split() for line in open(f"{out}/wine.txt") if line.strip())
size = {name: int(value) for name, value in (line.split() for line in open(f"{out}/size.txt"))}
program_size = size["build/i686/tervalo.exe"]
minimal_size = size["build/i686/bench/minimal.exe"]


def verdict(ok):
    return "met" if ok else "**missed**"


ratio13 = times["Sscanf13"] / times["ComputeKey13"]
ratio_mixed = times["SscanfMixed"] / times["ComputeKeyMixed"]
startup = float(wine["startup_ratio"])
calcul = float(wine["calcul_pings"])
rows = [
    ("ComputeKey, 13-digit entries", f"{times['ComputeKey13']:.1f} ns; sscanf+fmod {times['Sscanf13']:.1f} ns, "
     f"strtod+fmod {times['Strtod13']:.1f} ns", f"{ratio13:.1f}x faster than sscanf", ">= 8x", verdict(ratio13 >= 8)),
    ("ComputeKey, mixed entries (cut to 13)", f"{times['ComputeKeyMixed']:.1f} ns; sscanf+fmod "
     f"{times['SscanfMixed']:.1f} ns, strtod+fmod {times['StrtodMixed']:.1f} ns", f"{ratio_mixed:.1f}x faster than sscanf",
     "(context)", ""),
    ("Start-up under wine64, median of " + runs, f"tervalo {wine['startup_program_ms']} ms; minimal program "
     f"{wine['startup_minimal_ms']} ms", f"ratio {startup:.3f}", "<= 1.05", verdict(startup <= 1.05)),
    ("CALCUL round trip under wine64, median of 2000", f"CALCUL {wine['calcul_us']} us; WM_NULL ping "
     f"{wine['ping_us']} us (key shown: {wine['calcul_key']})", f"{calcul:.2f} pings", "<= 8", verdict(calcul <= 8)),
    ("Size of the stripped i686 exe", f"tervalo.exe {program_size:,} bytes; minimal program {minimal_size:,} bytes",
     f"{program_size / minimal_size:.2f}x the minimal", "<= 131,072 (goal 65,536)",
     verdict(program_size <= 131072) + (", goal met" if program_size <= 65536 else ", goal **missed**")),
]
cpu = subprocess.run(["sh", "-c", "grep -m1 'model name' /proc/cpuinfo | cut -d: -f2"], capture_output=True,
                     text=True).stdout.strip()
print(f"Measured by `scripts/bench {runs}` on {platform.machine()}, {cpu}, {subprocess.run(['nproc'], capture_output=True, text=True).stdout.strip()} cores.")
print("Ratios are taken within one run; absolute times are context only.\n")
print("| What | Measured | Ratio | Target | |")
print("|---|---|---|---|---|")
for row in rows:
    print("| " + " | ".join(row) + " |")
print("\nCommands: `build/native/bench/key_bench` (Google Benchmark, medians of 3 repetitions), "
      "`tests/wine/wine-run STATE build/x86_64/bench/wine_bench.exe tervalo.exe minimal.exe RUNS`, "
      "`stat -c %s build/i686/tervalo.exe build/i686/bench/minimal.exe`.")
