// Checks a packed extension (VXCHECK_VSIX=FILE.vsix node --test vsix_test.mjs): its manifest, grammar and language
// configuration, and that its bundled server starts, answers `initialize` and completes with the
// bundled database.
import assert from "node:assert/strict";
import { execFileSync, spawn } from "node:child_process";
import fs from "node:fs";
import os from "node:os";
import path from "node:path";
import { createRequire } from "node:module";
import test from "node:test";

const vsix = path.resolve(process.env.VXCHECK_VSIX);
const unpacked = fs.mkdtempSync(path.join(os.tmpdir(), "vxcheck-vsix-"));
execFileSync("unzip", ["-q", vsix, "-d", unpacked]);
const root = path.join(unpacked, "extension");
const readJson = (file) => JSON.parse(fs.readFileSync(path.join(root, file), "utf8"));
const manifest = readJson("package.json");
const database = path.join(root, "server/share/vxcheck/databases/phreeqc.dat");

test("the manifest names the platform, the language, its files and the settings", () => {
  assert.match(fs.readFileSync(path.join(unpacked, "extension.vsixmanifest"), "utf8"), /TargetPlatform="linux-x64"/);
  const [language] = manifest.contributes.languages;
  assert.equal(language.id, "phreeqc");
  assert.deepEqual(language.extensions, [".pqi", ".phr", ".dat"]);
  assert.deepEqual(Object.keys(manifest.contributes.configuration.properties).sort(),
                   ["vxcheck.database", "vxcheck.server.path", "vxcheck.trace.server"]);
  assert.equal(manifest.contributes.commands[0].command, "vxcheck.selectDatabase");
  assert.ok(fs.existsSync(path.join(root, manifest.main)), manifest.main);
  // The client's runtime package travels with it, and its entry point loads.
  assert.ok(createRequire(path.join(root, manifest.main)).resolve("vscode-languageclient/node"));
});

test("the grammar and the language configuration are the contributed ones", () => {
  const grammar = readJson(manifest.contributes.grammars[0].path);
  assert.equal(grammar.scopeName, manifest.contributes.grammars[0].scopeName);
  assert.ok(grammar.repository["block-solution"] && grammar.repository["basic-line"]);
  const configuration = readJson(manifest.contributes.languages[0].configuration);
  assert.equal(configuration.comments.lineComment, "#");
  const word = new RegExp(configuration.wordPattern, "g");
  const wordAt = (line, column) =>
    [...line.matchAll(word)].find((m) => m.index <= column && column < m.index + m[0].length)?.[0];
  for (const name of ["Fe(2)", "CO2(g)", "Ca+2", "SO4-2", "HCO3-", "CaSO4:2H2O", "Hfo_wOH", "-1.5e-3"]) {
    assert.equal(wordAt(`  ${name} 1.0 # x`, 3), name);
  }
  assert.equal(wordAt("Ca 1.0", 4), "1.0");
  assert.equal(wordAt("-log_k -3.5", 2), "log_k");
});

/** Speaks LSP with a server process: send(), request() and the notifications it pushes. */
function connect(child) {
  let buffer = Buffer.alloc(0);
  const waiting = new Map();
  const notifications = [];
  let nextId = 1;
  child.stdout.on("data", (chunk) => {
    buffer = Buffer.concat([buffer, chunk]);
    for (;;) {
      const end = buffer.indexOf("\r\n\r\n");
      if (end < 0) return;
      const length = Number(/Content-Length: (\d+)/i.exec(buffer.subarray(0, end).toString())[1]);
      if (buffer.length < end + 4 + length) return;
      const message = JSON.parse(buffer.subarray(end + 4, end + 4 + length).toString());
      buffer = buffer.subarray(end + 4 + length);
      if (message.id !== undefined && waiting.has(message.id)) {
        waiting.get(message.id)(message);
      } else {
        notifications.push(message);
      }
    }
  });
  const send = (message) => {
    const body = JSON.stringify({ jsonrpc: "2.0", ...message });
    child.stdin.write(`Content-Length: ${Buffer.byteLength(body)}\r\n\r\n${body}`);
  };
  const request = (method, params) => new Promise((resolve, reject) => {
    const id = nextId++;
    const timer = setTimeout(() => reject(new Error(`no answer to ${method}`)), 20000);
    waiting.set(id, (message) => { clearTimeout(timer); resolve(message); });
    send({ id, method, params });
  });
  return { send, request, notifications };
}

test("the bundled server starts, answers initialize and completes with the bundled database", async () => {
  const program = path.join(root, "server/bin/vxcheck");
  fs.accessSync(program, fs.constants.X_OK); // the package keeps the program's mode
  const environment = { ...process.env };
  delete environment.PHREEQC_DATABASE;
  delete environment.LD_LIBRARY_PATH; // the program must find its library inside the package
  const child = spawn(program, ["lsp"], { env: environment, stdio: ["pipe", "pipe", "inherit"] });
  const exited = new Promise((resolve) => child.on("exit", resolve));
  const lsp = connect(child);

  const init = await lsp.request("initialize", {
    processId: process.pid, rootUri: null, capabilities: {}, initializationOptions: { database },
  });
  assert.equal(init.result.serverInfo.name, "vxcheck");
  assert.ok(init.result.capabilities.completionProvider);
  lsp.send({ method: "initialized", params: {} });
  const uri = "file:///tmp/vsix-test.pqi";
  lsp.send({ method: "textDocument/didOpen",
              params: { textDocument: { uri, languageId: "phreeqc", version: 1, text: "SOLUTION 1\n  Ca\n" } } });
  const completion = await lsp.request("textDocument/completion",
                                       { textDocument: { uri }, position: { line: 1, character: 4 } });
  const items = Array.isArray(completion.result) ? completion.result : completion.result.items;
  assert.ok(items.some((item) => item.label === "Ca"), "Ca from phreeqc.dat is offered");
  await lsp.request("shutdown", null);
  lsp.send({ method: "exit" });
  assert.equal(await exited, 0);
});

test.after(() => fs.rmSync(unpacked, { recursive: true, force: true }));
