// The extension's entry point: starts `vxcheck lsp` for PHREEQC files, keeps the server's database
// setting current, and adds the "Select database" command and the status bar text.
import * as vscode from "vscode";
import { LanguageClient, LanguageClientOptions, ServerOptions, TransportKind } from "vscode-languageclient/node";
import { databaseForServer } from "./database_choice";
import { DatabaseStatus } from "./database_status";
import { selectDatabase } from "./select_database";
import { bundledServer, defaultDatabase, serverCommand } from "./server_files";

let client: LanguageClient | undefined;

export async function activate(context: vscode.ExtensionContext): Promise<void> {
  const bundledDatabase = defaultDatabase(bundledServer(context.extensionPath));
  const settings = () => vscode.workspace.getConfiguration("vxcheck");
  const serverDatabase = () =>
    databaseForServer(settings().get<string>("database", ""), process.env.PHREEQC_DATABASE, bundledDatabase);

  const command = serverCommand(settings().get<string>("server.path", ""), context.extensionPath);
  const serverOptions: ServerOptions = { command, args: ["lsp"], transport: TransportKind.stdio };
  const clientOptions: LanguageClientOptions = {
    documentSelector: [{ language: "phreeqc", scheme: "file" }, { language: "phreeqc", scheme: "untitled" }],
    initializationOptions: { database: serverDatabase() },
  };
  client = new LanguageClient("vxcheck", "vxcheck", serverOptions, clientOptions);

  const status = new DatabaseStatus(bundledDatabase);
  context.subscriptions.push(
    status,
    vscode.commands.registerCommand("vxcheck.selectDatabase", () => selectDatabase(command)),
    vscode.workspace.onDidChangeConfiguration(async (event) => {
      if (event.affectsConfiguration("vxcheck.database")) {
        status.update();
        // Sent by hand so that an empty setting still reaches the server as the bundled default.
        await client?.sendNotification("workspace/didChangeConfiguration", {
          settings: { vxcheck: { database: serverDatabase() } },
        });
      }
      if (event.affectsConfiguration("vxcheck.server.path")) {
        const reload = "Reload Window";
        const answer = await vscode.window.showInformationMessage(
          "vxcheck: the new server path takes effect after a reload.", reload);
        if (answer === reload) {
          await vscode.commands.executeCommand("workbench.action.reloadWindow");
        }
      }
    }),
  );
  try {
    await client.start();
  } catch (error) {
    void vscode.window.showErrorMessage(
      `vxcheck: the language server (${command}) did not start: ${String(error)}. ` +
      "Set vxcheck.server.path to a vxcheck program.");
  }
}

export async function deactivate(): Promise<void> {
  await client?.stop();
  client = undefined;
}
