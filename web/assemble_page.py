#!/usr/bin/python3
"""Puts the page together as one self-contained file, and as a folder for a web site.
The file holds the window as the build wrote it (its caption, style rules and elements),
the script that runs right after the window (it tells the notice under the window that
script runs, and has the window take typing before the program has come), the script that
starts compiling the program, its WebAssembly in base64, as soon as it has come (the loader
then starts it instead of fetching it), the loader, the stylesheet with the serif it carries, and the icon; its Content Security
Policy allows that script and that stylesheet, by their hashes, and nothing else. The
folder's index.html is the same page, with a web app manifest and a service worker that
keeps the folder's files for use offline, registered by the page once its program runs,
and an .htaccess with what an Apache server needs to serve them.
usage: assemble_page.py TEMPLATE STYLE WINDOW-FOLDER EARLY.js LOADING.js START.js LOADER.js
                        PROGRAM.wasm SERIF.woff2 ICONS-FOLDER MANIFEST WORKER
                        REGISTRATION.js HTACCESS OUTPUT.html HOSTED-FOLDER"""

import base64
import hashlib
import json
import pathlib
import shutil
import sys

# The family serif_subset.py names the subset; the window asks for it after Times New Roman.
SERIF_FAMILY = "Veltaro Serif"
# The icons a browser asks a site for: a phone's home screen (180), an installed page.
HOSTED_ICONS = ["veltaro-180.png", "veltaro-192.png", "veltaro-512.png", "veltaro.svg"]

def listed(names):
    return ", ".join(json.dumps(name) for name in names)


def data_url(kind, data):
    return f"data:{kind};base64,{base64.b64encode(data).decode()}"


def digest(text):
    return "'sha256-" + base64.b64encode(hashlib.sha256(text.encode()).digest()).decode() + "'"


def policies(style, scripts, hosted):
    """The page's policy, and the one added once the program runs: no script from then on.
    'unsafe-eval' lets a browser that does not know 'wasm-unsafe-eval' (Safari before 16)
    compile the program; no script but the page's, pinned by their hashes, can run, and
    they never evaluate a text."""
    first = [
        "default-src 'none'",
        f"script-src {' '.join(map(digest, scripts))} 'wasm-unsafe-eval' 'unsafe-eval'",
        f"style-src {digest(style)}", "font-src data:",
        "img-src 'self' data:" if hosted else "img-src data:", "base-uri 'none'",
        "form-action 'none'",
    ]
    later = ["script-src 'none'"]
    if hosted:
        first += ["manifest-src 'self'", "worker-src 'self'"]
        later += ["worker-src 'self'"]
    return "; ".join(first), "; ".join(later)


def page(template, parts, style, early, loading, start, loader, icon, registration=None):
    hosted = registration is not None
    links = ""
    if hosted:
        links = ('<link rel="manifest" href="manifest.webmanifest">\n'
                 '<link rel="apple-touch-icon" href="veltaro-180.png">\n')
    # The later policy is part of the script, so the script's hash is taken with it.
    _, later = policies(style, [], hosted)
    script = (start.replace("@LATER_POLICY@", json.dumps(later)) + loader
              + (registration or ""))
    policy, _ = policies(style, [early, loading, script], hosted)
    return (template.replace("@POLICY@", policy).replace("@TITLE@", parts["title"])
            .replace("@ICON@", icon).replace("@LINKS@", links).replace("@STYLE@", style)
            .replace("@WINDOW@", parts["body"]).replace("@EARLY@", early)
            .replace("@LOADING@", loading)
            .replace("@SCRIPT@", script))


def main(template, style, window, early, loading, start, loader, program, serif, icons, manifest,
         worker, registration, htaccess, output, hosted):
    template = pathlib.Path(template).read_text(encoding="utf-8")
    window = pathlib.Path(window)
    parts = {name: (window / f"window-{name}").read_text(encoding="utf-8")
             for name in ("title", "style", "body")}
    icons = pathlib.Path(icons)
    font = data_url("font/woff2", pathlib.Path(serif).read_bytes())
    style = (f'@font-face{{font-family:"{SERIF_FAMILY}";src:url({font}) format("woff2")}}\n'
             + pathlib.Path(style).read_text(encoding="utf-8") + parts["style"])
    wasm = base64.b64encode(pathlib.Path(program).read_bytes()).decode()
    early = pathlib.Path(early).read_text(encoding="utf-8")
    loading = pathlib.Path(loading).read_text(encoding="utf-8").replace("@PROGRAM@", wasm)
    start = pathlib.Path(start).read_text(encoding="utf-8")
    loader = pathlib.Path(loader).read_text(encoding="utf-8")
    icon = data_url("image/png", (icons / "veltaro-32.png").read_bytes())
    pathlib.Path(output).write_text(page(template, parts, style, early, loading, start, loader, icon),
                                    encoding="utf-8")

    hosted = pathlib.Path(hosted)
    shutil.rmtree(hosted, ignore_errors=True)
    hosted.mkdir(parents=True)
    # Offline use where the page is served over HTTPS (or from this machine); none from disk,
    # where there is nothing to keep. A site that does not serve the worker loses only that.
    registration = pathlib.Path(registration).read_text(encoding="utf-8")
    index = page(template, parts, style, early, loading, start, loader, icon, registration)
    (hosted / "index.html").write_text(index, encoding="utf-8")
    shutil.copyfile(manifest, hosted / "manifest.webmanifest")
    shutil.copyfile(htaccess, hosted / ".htaccess")
    for name in HOSTED_ICONS:
        shutil.copyfile(icons / name, hosted / name)
    page_files = ["./", "index.html"]
    others = ["manifest.webmanifest", *HOSTED_ICONS]
    version = hashlib.sha256()
    for name in page_files[1:] + others:
        version.update((hosted / name).read_bytes())
    (hosted / "service-worker.js").write_text(
        pathlib.Path(worker).read_text(encoding="utf-8")
        .replace("@VERSION@", version.hexdigest()[:16])
        .replace("@PAGE@", listed(page_files)).replace("@OTHERS@", listed(others)),
        encoding="utf-8")


if __name__ == "__main__":
    if len(sys.argv) != 17:
        sys.exit(__doc__.rsplit("usage: ", 1)[-1])
    main(*sys.argv[1:])
