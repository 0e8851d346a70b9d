// Status bar text naming the database of the active PHREEQC file; a click selects another.
import * as vscode from "vscode";
import { chooseDatabase, statusText } from "./database_choice";

const SOURCE_TEXT = {
  "DATABASE line": "from the file's DATABASE line",
  "vxcheck.database": "from the setting vxcheck.database",
  PHREEQC_DATABASE: "from the environment variable PHREEQC_DATABASE",
  bundled: "the phreeqc.dat that comes with the extension",
  none: "no database: set vxcheck.database or write a DATABASE line",
} as const;

export class DatabaseStatus implements vscode.Disposable {
  private readonly item = vscode.window.createStatusBarItem(vscode.StatusBarAlignment.Right, 100);
  private readonly listeners: vscode.Disposable[];

  constructor(private readonly bundledDatabase: string) {
    this.item.command = "vxcheck.selectDatabase";
    this.item.name = "PHREEQC database";
    this.listeners = [
      vscode.window.onDidChangeActiveTextEditor(() => this.update()),
      // Only the first lines can hold the DATABASE line, but they change rarely enough to recheck.
      vscode.workspace.onDidChangeTextDocument((event) => {
        if (event.document === vscode.window.activeTextEditor?.document) {
          this.update();
        }
      }),
    ];
    this.update();
  }

  update(): void {
    const document = vscode.window.activeTextEditor?.document;
    if (document === undefined || document.languageId !== "phreeqc") {
      this.item.hide();
      return;
    }
    const setting = vscode.workspace.getConfiguration("vxcheck").get<string>("database", "");
    const choice = chooseDatabase(document.getText(), setting, process.env.PHREEQC_DATABASE, this.bundledDatabase);
    this.item.text = `$(database) ${statusText(choice)}`;
    this.item.tooltip = choice.source === "none" ? SOURCE_TEXT.none : `${choice.path}\n${SOURCE_TEXT[choice.source]}`;
    this.item.show();
  }

  dispose(): void {
    this.item.dispose();
    this.listeners.forEach((listener) => listener.dispose());
  }
}
