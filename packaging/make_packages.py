#!/usr/bin/env python3
"""make_packages.py <win64 build folder> <output folder>

Makes the two downloads from a built win64 tree: the installer
Tovanix-<version>-setup.exe (NSIS) and the portable Tovanix-<version>.zip,
both from the files that the build installs as its component "payload"
(packaging/CMakeLists.txt). The version is the project's, as CMake read it."""
import pathlib
import re
import shutil
import subprocess
import sys
import zipfile

HERE = pathlib.Path(__file__).resolve().parent
ROOT = HERE.parent
# Installed by Tovanix.nsi itself, never over the user's own.
USER_FILES = {"TOVANIX.CMD", "BTNLIST.TXT"}


def project_version(build):
    cache = (build / "CMakeCache.txt").read_text()
    return re.search(r"^CMAKE_PROJECT_VERSION:STATIC=(.+)$", cache, re.MULTILINE).group(1)


def stage_payload(build, stage):
    shutil.rmtree(stage, ignore_errors=True)
    # Stripped of their symbols, the binaries are a third of their size.
    subprocess.run(["cmake", "--install", str(build), "--component", "payload", "--prefix", str(stage), "--strip"],
                   check=True, stdout=subprocess.DEVNULL)
    return sorted(path.relative_to(stage) for path in stage.rglob("*") if path.is_file())


def nsis_folder(folder):
    """The folder below the installation folder, as NSIS writes it."""
    return "$INSTDIR" + "".join("\\" + part for part in folder.parts)


def write_payload_list(stage, files, target):
    """The NSIS macros that put the payload in place and take it away again."""
    install = []
    program_files = [f for f in files if str(f) not in USER_FILES]
    for folder in sorted({f.parent for f in program_files}):
        install.append(f'  SetOutPath "{nsis_folder(folder)}"')
        install += [f'  File "{stage / f}"' for f in program_files if f.parent == folder]
    remove = [f'  Delete "{nsis_folder(f)}"' for f in program_files]
    # Deepest first; RMDir leaves a folder that still holds anything.
    subfolders = {parent for f in program_files for parent in f.parents if parent != pathlib.Path(".")}
    remove += [f'  RMDir "{nsis_folder(folder)}"' for folder in sorted(subfolders, key=lambda f: -len(f.parts))]
    target.write_text("!macro InstallPayload\n" + "\n".join(install) + "\n!macroend\n"
                      "!macro RemovePayload\n" + "\n".join(remove) + "\n!macroend\n")


def make_installer(stage, files, work, installer, version):
    payload_list = work / "payload.nsh"
    write_payload_list(stage, files, payload_list)
    defines = {"VERSION": version, "PAYLOAD": stage, "PAYLOAD_LIST": payload_list,
               "ICON": ROOT / "app" / "res" / "mainicon.ico", "OUTFILE": installer}
    subprocess.run(["makensis", "-V2", *(f"-D{name}={value}" for name, value in defines.items()),
                    str(HERE / "Tovanix.nsi")], check=True)


def make_zip(stage, files, archive, version):
    """Unpacks into a folder of its own, so that it never lands on an older copy."""
    top = f"Tovanix-{version}"
    with zipfile.ZipFile(archive, "w", zipfile.ZIP_DEFLATED) as zip_file:
        for relative in files:
            zip_file.write(stage / relative, f"{top}/{relative.as_posix()}")


def main():
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    build = pathlib.Path(sys.argv[1]).resolve()
    output = pathlib.Path(sys.argv[2]).resolve()
    output.mkdir(parents=True, exist_ok=True)
    version = project_version(build)
    work = output / "work"
    stage = work / "payload"
    files = stage_payload(build, stage)
    installer = output / f"Tovanix-{version}-setup.exe"
    archive = output / f"Tovanix-{version}.zip"
    make_installer(stage, files, work, installer, version)
    make_zip(stage, files, archive, version)
    print(installer)
    print(archive)


if __name__ == "__main__":
    main()
