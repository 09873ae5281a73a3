#!/usr/bin/env python3
"""Writes the fuzz targets' seed corpora from the sample generator's output:
make_seeds.py SAMPLE_EXE OUTDIR  ->  OUTDIR/DocumentFuzzer, OUTDIR/SideFileFuzzer,
OUTDIR/ArchiveFuzzer.

Document seeds: the whole sample, each top-level element alone and each element kind alone
(with the side-file sections, so the readers that need them run). Side-file seeds: each side file
the sample writes, behind the byte that makes SideFileFuzzer name it (its index there).
Archive seeds: the sample's own zip, and the sample's files zipped again with stored entries
(so mutations reach the document and side files) and in a folder of the archive."""
import os
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ElementTree
import zipfile

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


def zip_folder(sample, path, prefix, compression):
    with zipfile.ZipFile(path, "w", compression) as archive:
        for name in sorted(os.listdir(sample)):
            full = os.path.join(sample, name)
            if os.path.isfile(full) and not name.endswith(".zip"):
                archive.write(full, prefix + name)


def archive_seeds(sample, folder):
    for name in sorted(os.listdir(sample)):
        if name.endswith(".zip"):
            with open(os.path.join(sample, name), "rb") as archive:
                write(os.path.join(folder, "sample-" + name), archive.read())
    zip_folder(sample, os.path.join(folder, "stored.zip"), "", zipfile.ZIP_STORED)
    zip_folder(sample, os.path.join(folder, "nested.zip"), "in/", zipfile.ZIP_STORED)
    with zipfile.ZipFile(os.path.join(folder, "alone.zip"), "w", zipfile.ZIP_STORED) as archive:
        archive.writestr("document.xml", '<XMLDocument><IFile ID="f" IsRoot="True"/></XMLDocument>')


def main():
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    exe, out = sys.argv[1:]
    with tempfile.TemporaryDirectory() as sample:
        subprocess.run([exe, sample], check=True)
        for target in ("DocumentFuzzer", "SideFileFuzzer", "ArchiveFuzzer"):
            os.makedirs(os.path.join(out, target), exist_ok=True)
        document_seeds(ElementTree.parse(os.path.join(sample, "sample.xml")).getroot(),
                       os.path.join(out, "DocumentFuzzer"))
        side_file_seeds(sample, os.path.join(out, "SideFileFuzzer"))
        archive_seeds(sample, os.path.join(out, "ArchiveFuzzer"))


if __name__ == "__main__":
    main()
