# Reads a CSV file with Python's standard reader (as UTF-8 with a byte-order mark) and prints its
# records as JSON, one list of fields per record, so that a test sees what a CSV reader sees.
import csv
import json
import sys

with open(sys.argv[1], newline="", encoding="utf-8-sig") as f:
    print(json.dumps(list(csv.reader(f)), ensure_ascii=False))
