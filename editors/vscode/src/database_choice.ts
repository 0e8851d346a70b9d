// Which database a file uses, decided the way the server decides it, so the status bar can name it
// without asking the server. Plain functions of text and settings: no VS Code API here.
import * as path from "path";

export type DatabaseSource = "DATABASE line" | "vxcheck.database" | "PHREEQC_DATABASE" | "bundled" | "none";

export interface DatabaseChoice {
  source: DatabaseSource;
  /** The path as written (DATABASE line, setting, variable), or "" when there is none. */
  path: string;
}

/**
 * The name on a DATABASE line when that line is the file's first logical line with any text, or
 * undefined. As in PHREEQC, `#` starts a comment and `;` ends a logical line.
 */
export function databaseLineOf(text: string): string | undefined {
  for (const physical of text.split(/\r?\n/)) {
    for (const logical of physical.replace(/#.*$/, "").split(";")) {
      const trimmed = logical.trim();
      if (trimmed === "") {
        continue;
      }
      const match = /^(\S+)(?:\s+(.*))?$/.exec(trimmed);
      if (match === null || match[1].toLowerCase() !== "database") {
        return undefined;
      }
      const name = (match[2] ?? "").trim();
      return name === "" ? undefined : name;
    }
  }
  return undefined;
}

/**
 * The database of a file: its DATABASE line, else the setting, else PHREEQC_DATABASE, else the
 * bundled database (bundledPath, "" when there is none).
 */
export function chooseDatabase(text: string, setting: string, environment: string | undefined,
                               bundledPath: string): DatabaseChoice {
  const line = databaseLineOf(text);
  if (line !== undefined) {
    return { source: "DATABASE line", path: line };
  }
  if (setting.trim() !== "") {
    return { source: "vxcheck.database", path: setting.trim() };
  }
  if (environment !== undefined && environment.trim() !== "") {
    return { source: "PHREEQC_DATABASE", path: environment.trim() };
  }
  if (bundledPath !== "") {
    return { source: "bundled", path: bundledPath };
  }
  return { source: "none", path: "" };
}

/** The database to send the server as its setting: the user's, or the bundled one unless
 * PHREEQC_DATABASE is set (the server reads that itself). */
export function databaseForServer(setting: string, environment: string | undefined,
                                  bundledPath: string): string {
  if (setting.trim() !== "") {
    return setting.trim();
  }
  return environment !== undefined && environment.trim() !== "" ? "" : bundledPath;
}

/** Status bar text for a choice: the database's file name. */
export function statusText(choice: DatabaseChoice): string {
  return choice.source === "none" ? "no database" : path.basename(choice.path.replace(/\\/g, "/"));
}
