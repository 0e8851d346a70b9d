// The client's own decisions, on its compiled code (VXCHECK_CLIENT_OUT names the folder): which
// database a file uses, what the server is told, which databases are offered, which server runs.
import assert from "node:assert/strict";
import fs from "node:fs";
import os from "node:os";
import path from "node:path";
import { createRequire } from "node:module";
import test from "node:test";

const load = createRequire(import.meta.url);
const out = path.resolve(process.env.VXCHECK_CLIENT_OUT ?? "out");
const { databaseLineOf, chooseDatabase, databaseForServer, statusText } = load(path.join(out, "database_choice.js"));
const { databasesIn, serverCommand, bundledServer, defaultDatabase } = load(path.join(out, "server_files.js"));

test("a DATABASE line counts only as the first logical line with text", () => {
  assert.equal(databaseLineOf("# notes\n\n  database  ../db/wateq4f.dat  # comment\nSOLUTION 1"), "../db/wateq4f.dat");
  assert.equal(databaseLineOf("DATABASE llnl.dat; SOLUTION 1"), "llnl.dat");
  assert.equal(databaseLineOf("  ;  \r\nDATABASE C:\\phreeqc\\pitzer.dat\r\n"), "C:\\phreeqc\\pitzer.dat");
  assert.equal(databaseLineOf("TITLE x\nDATABASE llnl.dat"), undefined);
  assert.equal(databaseLineOf("# DATABASE llnl.dat\nSOLUTION 1"), undefined);
  assert.equal(databaseLineOf("DATABASE   # no name\nSOLUTION 1"), undefined);
  assert.equal(databaseLineOf("DATABASES x.dat"), undefined);
  assert.equal(databaseLineOf(""), undefined);
});

test("the database comes from the file, the setting, PHREEQC_DATABASE, then the bundled one", () => {
  const text = "DATABASE sit.dat\nEND";
  assert.deepEqual(chooseDatabase(text, "llnl.dat", "/env/pitzer.dat", "/x/phreeqc.dat"),
                   { source: "DATABASE line", path: "sit.dat" });
  assert.deepEqual(chooseDatabase("END", " llnl.dat ", "/env/pitzer.dat", "/x/phreeqc.dat"),
                   { source: "vxcheck.database", path: "llnl.dat" });
  assert.deepEqual(chooseDatabase("END", "", "/env/pitzer.dat", "/x/phreeqc.dat"),
                   { source: "PHREEQC_DATABASE", path: "/env/pitzer.dat" });
  assert.deepEqual(chooseDatabase("END", "", " ", "/x/phreeqc.dat"), { source: "bundled", path: "/x/phreeqc.dat" });
  assert.deepEqual(chooseDatabase("END", "", undefined, ""), { source: "none", path: "" });
  assert.equal(statusText({ source: "PHREEQC_DATABASE", path: "C:\\db\\pitzer.dat" }), "pitzer.dat");
  assert.equal(statusText({ source: "none", path: "" }), "no database");
});

test("the server is told the setting, or the bundled database unless PHREEQC_DATABASE is set", () => {
  assert.equal(databaseForServer("llnl.dat", "/env/pitzer.dat", "/x/phreeqc.dat"), "llnl.dat");
  assert.equal(databaseForServer("", "/env/pitzer.dat", "/x/phreeqc.dat"), "");
  assert.equal(databaseForServer("  ", undefined, "/x/phreeqc.dat"), "/x/phreeqc.dat");
});

test("installed databases and the bundled server are found in an installed layout", () => {
  const prefix = fs.mkdtempSync(path.join(os.tmpdir(), "vxcheck-client-"));
  try {
    const server = bundledServer(prefix);
    const databases = path.dirname(defaultDatabase(server));
    fs.mkdirSync(path.dirname(server), { recursive: true });
    fs.mkdirSync(databases, { recursive: true });
    for (const name of ["wateq4f.dat", "PHREEQC.DAT", "notes.txt"]) {
      fs.writeFileSync(path.join(databases, name), "");
    }
    assert.deepEqual(databasesIn([path.join(prefix, "missing"), databases]).map((file) => path.basename(file)),
                     ["PHREEQC.DAT", "wateq4f.dat"]);
    fs.writeFileSync(server, "#!/bin/sh\n", { mode: 0o644 });
    assert.equal(serverCommand(" /opt/vxcheck/bin/vxcheck ", prefix), "/opt/vxcheck/bin/vxcheck");
    assert.equal(fs.statSync(server).mode & 0o111, 0, "a configured server leaves the bundled one alone");
    assert.equal(serverCommand("", prefix), server);
    assert.notEqual(fs.statSync(server).mode & 0o100, 0, "the bundled server is made executable");
  } finally {
    fs.rmSync(prefix, { recursive: true, force: true });
  }
});
