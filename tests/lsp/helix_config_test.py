"""Helix's configuration as shipped (editors/helix/languages.toml), checked without Helix: the file
is read as TOML, it must say what Helix needs to run the server for a PHREEQC file, and the server
is started with its command and arguments (found on PATH, where the test puts the built program)
and given its `config` as initialization options, as Helix does, with the one placeholder, the
database path, set to a shipped database. An input with a file type of the language must then get
its diagnostics. docs/lsp.md must show the file as it is. Usage: helix_config_test.py LANGUAGES_TOML PROGRAM_DIR DATA_DIR WORK_DIR"""

import json
import os
import pathlib
import subprocess
import sys

try:
    import tomllib
except ImportError:  # Python before 3.11
    print("skipped: this Python has no tomllib")
    sys.exit(77)


def fail(message):
    print("FAILED: " + message)
    sys.exit(1)


def send(process, message):
    body = json.dumps(message).encode()
    process.stdin.write(b"Content-Length: %d\r\n\r\n" % len(body) + body)
    process.stdin.flush()


def receive(process):
    length = None
    while True:
        line = process.stdout.readline()
        if not line:
            fail("the server stopped")
        line = line.strip()
        if not line:
            break
        name, _, value = line.partition(b":")
        if name.lower() == b"content-length":
            length = int(value)
    return json.loads(process.stdout.read(length))


def main(toml_path, program_dir, data_dir, work_dir):
    config = tomllib.loads(pathlib.Path(toml_path).read_text())
    server = config["language-server"]["vxcheck"]
    languages = [entry for entry in config["language"] if entry["name"] == "phreeqc"]
    if len(languages) != 1:
        fail("one language phreeqc: %r" % config["language"])
    language = languages[0]
    if language["language-servers"] != ["vxcheck"] or "pqi" not in language["file-types"]:
        fail("phreeqc files served by vxcheck: %r" % language)
    if language["comment-token"] != "#" or not language["scope"].startswith("source."):
        fail("comment token and scope: %r" % language)
    # docs/lsp.md shows the file as users copy it: the file without its comment lines.
    shipped = pathlib.Path(toml_path).read_text()
    docs = (pathlib.Path(toml_path).parents[2] / "docs" / "lsp.md").read_text()
    shown = docs.split("```toml\n", 1)[-1].split("```", 1)[0]
    uncommented = "".join(line for line in shipped.splitlines(True) if not line.startswith("#"))
    if shown.strip() != uncommented.strip():
        fail("docs/lsp.md shows languages.toml as it is:\n" + shown)
    options = dict(server["config"])
    if options.get("database") != "/path/to/phreeqc.dat":
        fail("the database placeholder: %r" % options)
    options["database"] = os.path.abspath(os.path.join(data_dir, "databases", "phreeqc.dat"))

    path = pathlib.Path(work_dir) / ("helix-client." + language["file-types"][0])
    text = "EQUILIBRIUM_PHASES 1\n    Calcitte 0 1\nEND\n"
    path.write_text(text)
    environment = dict(os.environ, PATH=program_dir + os.pathsep + os.environ.get("PATH", ""))
    process = subprocess.Popen([server["command"]] + server["args"], stdin=subprocess.PIPE,
                               stdout=subprocess.PIPE, env=environment)
    send(process, {"jsonrpc": "2.0", "id": 1, "method": "initialize",
                   "params": {"capabilities": {}, "rootUri": pathlib.Path(work_dir).as_uri(),
                              "initializationOptions": options}})
    if "capabilities" not in receive(process).get("result", {}):
        fail("no answer to initialize")
    send(process, {"jsonrpc": "2.0", "method": "initialized", "params": {}})
    send(process, {"jsonrpc": "2.0", "method": "textDocument/didOpen",
                   "params": {"textDocument": {"uri": path.as_uri(), "languageId": language["name"],
                                               "version": 1, "text": text}}})
    while True:
        message = receive(process)
        if message.get("method") == "textDocument/publishDiagnostics":
            break
    codes = [(d["range"]["start"]["line"], d.get("code")) for d in message["params"]["diagnostics"]]
    send(process, {"jsonrpc": "2.0", "id": 2, "method": "shutdown"})
    receive(process)
    send(process, {"jsonrpc": "2.0", "method": "exit"})
    if process.wait(timeout=30) != 0:
        fail("the server did not exit cleanly")
    if codes != [(1, "unknown-phase")]:
        fail("the database's phases judge the input: %r" % codes)
    print("all checks passed")


if __name__ == "__main__":
    main(*sys.argv[1:])
