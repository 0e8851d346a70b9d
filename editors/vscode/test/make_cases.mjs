// Writes grammar test files for vscode-tmgrammar-test into OUTDIR (node make_cases.mjs OUTDIR):
//  - vocabulary.pqi: every keyword spelling, and every option of every block, with and without its
//    dash, each with the scope it must get;
//  - one file per example input of data/examples, and phreeqc.dat, with assertions found by reading
//    each line the way PHREEQC does: comments, keywords, options and BASIC line numbers.
import fs from "node:fs";
import path from "node:path";
import { fileURLToPath } from "node:url";

const data = path.resolve(path.dirname(fileURLToPath(import.meta.url)), "../../../data");
const outDir = process.argv[2];
const KEYWORD = "keyword.control.block.phreeqc";
const OPTION = "keyword.other.option.phreeqc";
const COMMENT = "comment.line.number-sign.phreeqc";
const LINE_NUMBER = "constant.numeric.line-number.basic.phreeqc";
const BASIC_BLOCKS = new Set(["rates", "user_print", "user_punch", "user_graph", "calculate_values"]);

function table(name) {
  const [, ...rows] = fs.readFileSync(path.join(data, "phreeqc3", name), "utf8").trim().split("\n");
  return rows.map((row) => row.split("\t"));
}
const blockOf = new Map(table("keywords.tsv"));
const optionsOf = new Map();
for (const [block, , option] of table("options.tsv")) {
  optionsOf.set(block, [...(optionsOf.get(block) ?? []), option]);
}

/** An assertion line for `length` characters from `column` of the line above. */
function assertion(column, length, scope) {
  return column === 0 ? `# <${"-".repeat(length)} ${scope}` : `#${" ".repeat(column - 1)}${"^".repeat(length)} ${scope}`;
}

function header(title) {
  return [`# SYNTAX TEST "source.phreeqc" "${title}"`];
}

function vocabularyCases() {
  const lines = header("every keyword spelling and every option");
  let upper = false;
  for (const spelling of blockOf.keys()) {
    upper = !upper; // PHREEQC lower-cases the first token, so both cases must match
    lines.push(`  ${upper ? spelling.toUpperCase() : spelling} 1`, assertion(2, spelling.length, KEYWORD));
  }
  for (const [block, options] of optionsOf) {
    const spelling = [...blockOf].find(([, b]) => b === block)[0];
    lines.push(spelling, assertion(0, spelling.length, KEYWORD));
    for (const option of options) {
      lines.push(`    -${option} 1`, assertion(4, option.length + 1, OPTION));
      // Without its dash, a name that is also a keyword spelling starts that block instead.
      if (!blockOf.has(option)) {
        lines.push(`    ${option.toUpperCase()} 1`, assertion(4, option.length, OPTION));
      }
    }
  }
  return lines;
}

/** The assertions for one physical line, given the block it starts in; returns the block after it. */
function expectations(line, block, continued, out) {
  const hash = line.indexOf("#");
  if (hash >= 0) {
    out.push(assertion(hash, line.length - hash, COMMENT));
  }
  const code = hash >= 0 ? line.slice(0, hash) : line;
  let offset = 0;
  for (const [index, segment] of code.split(";").entries()) {
    const start = offset;
    offset += segment.length + 1;
    const match = /^(\s*)(\S+)/.exec(segment);
    if (match === null || (index === 0 && continued)) {
      continue;
    }
    const column = start + match[1].length;
    const token = match[2];
    const lower = token.toLowerCase();
    if (blockOf.has(lower)) {
      block = blockOf.get(lower);
      out.push(assertion(column, token.length, KEYWORD));
    } else if (/^-[A-Za-z]/.test(token)) {
      out.push(assertion(column, token.length, OPTION));
    } else if (BASIC_BLOCKS.has(block) && /^\d+$/.test(token)) {
      out.push(assertion(column, token.length, LINE_NUMBER));
    } else if ((optionsOf.get(block) ?? []).includes(lower)) {
      out.push(assertion(column, token.length, OPTION));
    }
  }
  return block;
}

function inputCases(file) {
  const lines = header(path.basename(file));
  let block = "";
  let continued = false;
  for (const line of fs.readFileSync(file, "latin1").split(/\r?\n/)) {
    lines.push(line);
    block = expectations(line, block, continued, lines);
    continued = /\\\s*$/.test(line.replace(/#.*$/, ""));
  }
  return lines;
}

fs.mkdirSync(outDir, { recursive: true });
fs.writeFileSync(path.join(outDir, "vocabulary.pqi"), vocabularyCases().join("\n") + "\n");
const inputs = fs.readdirSync(path.join(data, "examples"))
  .filter((name) => name.endsWith(".pqi"))
  .map((name) => path.join(data, "examples", name))
  .concat([path.join(data, "databases", "phreeqc.dat")]);
for (const file of inputs) {
  fs.writeFileSync(path.join(outDir, path.basename(file).replace(/\.dat$/, ".dat.pqi")), inputCases(file).join("\n") + "\n", "latin1");
}
const count = inputs.length + 1;
console.log(`grammar cases: ${count} files in ${outDir}`);
