#!/usr/bin/python3
"""Puts the page together as one self-contained file, and as a folder for a web site.
The file holds the program (its WebAssembly in base64, which the loader is handed instead
of fetching it), the loader, the stylesheet with the serif it carries, and the icon; its
Content Security Policy allows that script and that stylesheet, by their hashes, and
nothing else. The folder's index.html is the same page, with a web app manifest and a
service worker that keeps the folder's files for use offline.
usage: assemble_page.py TEMPLATE STYLE LOADER.js PROGRAM.wasm SERIF.woff2 ICONS-FOLDER
                        MANIFEST WORKER OUTPUT.html HOSTED-FOLDER"""

import base64
import hashlib
import json
import pathlib
import shutil
import sys

# The family serif_subset.py names the subset; the program asks for it after Times New Roman.
SERIF_FAMILY = "Veltaro Serif"
# The icons a browser asks a site for: a phone's home screen (180), an installed page.
HOSTED_ICONS = ["veltaro-180.png", "veltaro-192.png", "veltaro-512.png", "veltaro.svg"]


def data_url(kind, data):
    return f"data:{kind};base64,{base64.b64encode(data).decode()}"


def digest(text):
    return "'sha256-" + base64.b64encode(hashlib.sha256(text.encode()).digest()).decode() + "'"


def page(template, style, script, icon, hosted):
    policy = [
        "default-src 'none'", f"script-src {digest(script)} 'wasm-unsafe-eval'",
        f"style-src {digest(style)}", "font-src data:",
        "img-src 'self' data:" if hosted else "img-src data:", "base-uri 'none'",
        "form-action 'none'",
    ]
    links = ""
    if hosted:
        policy += ["manifest-src 'self'", "worker-src 'self'"]
        links = ('<link rel="manifest" href="manifest.webmanifest">\n'
                 '<link rel="apple-touch-icon" href="veltaro-180.png">\n')
    return (template.replace("@POLICY@", "; ".join(policy)).replace("@ICON@", icon)
            .replace("@LINKS@", links).replace("@STYLE@", style).replace("@SCRIPT@", script))


def main(template, style, loader, program, serif, icons, manifest, worker, output, hosted):
    template = pathlib.Path(template).read_text(encoding="utf-8")
    icons = pathlib.Path(icons)
    font = data_url("font/woff2", pathlib.Path(serif).read_bytes())
    style = (f'@font-face{{font-family:"{SERIF_FAMILY}";src:url({font}) format("woff2")}}\n'
             + pathlib.Path(style).read_text(encoding="utf-8"))
    wasm = base64.b64encode(pathlib.Path(program).read_bytes()).decode()
    script = (f'var Module={{wasmBinary:Uint8Array.from(atob("{wasm}"),c=>c.charCodeAt(0))}};\n'
              + pathlib.Path(loader).read_text(encoding="utf-8"))
    icon = data_url("image/png", (icons / "veltaro-32.png").read_bytes())
    pathlib.Path(output).write_text(page(template, style, script, icon, False), encoding="utf-8")

    hosted = pathlib.Path(hosted)
    shutil.rmtree(hosted, ignore_errors=True)
    hosted.mkdir(parents=True)
    registration = "\nif('serviceWorker' in navigator)navigator.serviceWorker.register('service-worker.js');"
    index = page(template, style, script + registration, icon, True)
    (hosted / "index.html").write_text(index, encoding="utf-8")
    shutil.copyfile(manifest, hosted / "manifest.webmanifest")
    for name in HOSTED_ICONS:
        shutil.copyfile(icons / name, hosted / name)
    files = ["./", "index.html", "manifest.webmanifest", *HOSTED_ICONS]
    version = hashlib.sha256()
    for name in files[1:]:
        version.update((hosted / name).read_bytes())
    (hosted / "service-worker.js").write_text(
        pathlib.Path(worker).read_text(encoding="utf-8")
        .replace("@VERSION@", version.hexdigest()[:16])
        .replace("@FILES@", ", ".join(json.dumps(name) for name in files)), encoding="utf-8")


if __name__ == "__main__":
    if len(sys.argv) != 11:
        sys.exit(__doc__.rsplit("usage: ", 1)[-1])
    main(*sys.argv[1:])
