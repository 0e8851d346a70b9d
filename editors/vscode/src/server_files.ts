// Where the language server and the databases that come with it are, inside the extension or
// beside a server the user chose.
import * as fs from "fs";
import * as path from "path";

const PROGRAM = process.platform === "win32" ? "vxcheck.exe" : "vxcheck";

/** The bundled server of an extension installed at extensionPath (laid out as an installed vxcheck). */
export function bundledServer(extensionPath: string): string {
  return path.join(extensionPath, "server", "bin", PROGRAM);
}

/** The phreeqc.dat installed with a server. */
export function defaultDatabase(server: string): string {
  return path.join(installedDatabaseFolders(server)[0], "phreeqc.dat");
}

/**
 * The server to run: the configured path, or the bundled server. Makes the bundled program
 * executable when unpacking lost its mode bits.
 */
export function serverCommand(configured: string, extensionPath: string): string {
  if (configured.trim() !== "") {
    return configured.trim();
  }
  const bundled = bundledServer(extensionPath);
  if (process.platform !== "win32" && fs.existsSync(bundled)) {
    try {
      fs.accessSync(bundled, fs.constants.X_OK);
    } catch {
      fs.chmodSync(bundled, 0o755);
    }
  }
  return bundled;
}

/** The folders that hold databases installed with a server at PREFIX/bin: PREFIX/share/vxcheck/databases
 * (where the extension puts PHREEQC's databases) and PREFIX/share/vxcheck. */
export function installedDatabaseFolders(server: string): string[] {
  const share = path.join(path.dirname(server), "..", "share", "vxcheck");
  return [path.join(share, "databases"), share];
}

/** The .dat files in the given folders, sorted by name; missing folders are skipped. */
export function databasesIn(folders: string[]): string[] {
  const found: string[] = [];
  for (const folder of folders) {
    let names: string[];
    try {
      names = fs.readdirSync(folder);
    } catch {
      continue;
    }
    for (const name of names.sort()) {
      if (name.toLowerCase().endsWith(".dat")) {
        found.push(path.join(folder, name));
      }
    }
  }
  return found;
}
