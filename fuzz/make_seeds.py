#!/usr/bin/env python3
"""Writes the fuzz targets' seed corpora from the sample generator's output:
make_seeds.py SAMPLE_EXE OUTDIR  ->  OUTDIR/DocumentFuzzer, OUTDIR/SideFileFuzzer.

Document seeds: the whole sample, each top-level element alone and each element kind alone
(with the side-file sections, so the readers that need them run). Side-file seeds: each side file
the sample writes, behind the byte that makes SideFileFuzzer name it (its index there)."""
import os
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ElementTree

# In the order of kSideFiles in SideFileFuzzer.cpp; None where the sample writes no such file.
SIDE_FILES = [
    "shaft.sat", "cover.sab", "geometry.bin", "geometry.bin", "segments.bin", "subdiv.bin",
    "sample.props", "animations.bin", "render-assets.bin", None, "thumbnail.bin",
]


def write(path, data):
    with open(path, "wb") as out:
        out.write(data)


def document_seeds(root, folder):
    write(os.path.join(folder, "sample.xml"), ElementTree.tostring(root))
    sections = [child for child in root if child.tag.endswith("Info")]
    alone = [child for child in root if not child.tag.endswith("Info")]
    kinds = {}
    for element in root.iter():
        if element.tag.startswith("I") and element.tag != "ID" and element.tag not in kinds:
            kinds[element.tag] = element
    for index, element in enumerate(alone + list(kinds.values())):
        document = ElementTree.Element(root.tag, root.attrib)
        document.extend(sections + [element])
        write(os.path.join(folder, "%03d-%s.xml" % (index, element.tag)),
              ElementTree.tostring(document))


def side_file_seeds(sample, folder):
    for index, name in enumerate(SIDE_FILES):
        data = b""
        path = os.path.join(sample, name or "")
        if name is not None and os.path.isfile(path):
            with open(path, "rb") as side:
                data = side.read()
        elif name is not None:
            print("make_seeds.py: the sample has no %s; its seed is empty" % name, file=sys.stderr)
        write(os.path.join(folder, "%02d-%s" % (index, name or "empty")), bytes([index]) + data)


def main():
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    exe, out = sys.argv[1:]
    with tempfile.TemporaryDirectory() as sample:
        subprocess.run([exe, sample], check=True)
        for target in ("DocumentFuzzer", "SideFileFuzzer"):
            os.makedirs(os.path.join(out, target), exist_ok=True)
        document_seeds(ElementTree.parse(os.path.join(sample, "sample.xml")).getroot(),
                       os.path.join(out, "DocumentFuzzer"))
        side_file_seeds(sample, os.path.join(out, "SideFileFuzzer"))


if __name__ == "__main__":
    main()
