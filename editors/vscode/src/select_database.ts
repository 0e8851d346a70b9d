// The "Select database" command: pick one of the databases installed with the server or a .dat file
// of the workspace, and store it as vxcheck.database.
import * as path from "path";
import * as vscode from "vscode";
import { databasesIn, installedDatabaseFolders } from "./server_files";

interface DatabaseItem extends vscode.QuickPickItem {
  value: string;
}

const MAX_WORKSPACE_FILES = 500;

export async function selectDatabase(server: string): Promise<void> {
  const items: DatabaseItem[] = [
    { label: "$(close) No setting", description: "use the DATABASE line, PHREEQC_DATABASE or phreeqc.dat", value: "" },
  ];
  const installed = databasesIn(installedDatabaseFolders(server));
  if (installed.length > 0) {
    items.push({ label: "Installed", kind: vscode.QuickPickItemKind.Separator, value: "" });
    items.push(...installed.map((file) => ({ label: path.basename(file), description: file, value: file })));
  }
  const workspaceFiles = await vscode.workspace.findFiles("**/*.dat", "**/node_modules/**", MAX_WORKSPACE_FILES);
  if (workspaceFiles.length > 0) {
    items.push({ label: "Workspace", kind: vscode.QuickPickItemKind.Separator, value: "" });
    const relative = workspaceFiles
      .map((uri) => vscode.workspace.asRelativePath(uri, false))
      .sort((a, b) => a.localeCompare(b));
    items.push(...relative.map((file) => ({ label: path.basename(file), description: file, value: file })));
  }
  const picked = await vscode.window.showQuickPick(items, {
    title: "PHREEQC database for files without a DATABASE line",
    matchOnDescription: true,
  });
  if (picked === undefined) {
    return;
  }
  const target = vscode.workspace.workspaceFolders?.length
    ? vscode.ConfigurationTarget.Workspace
    : vscode.ConfigurationTarget.Global;
  await vscode.workspace.getConfiguration("vxcheck").update("database", picked.value || undefined, target);
}
