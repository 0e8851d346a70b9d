;;; vxcheck.el --- PHREEQC input files with the vxcheck language server -*- lexical-binding: t -*-

;; For Emacs 28 and later with eglot (built in from Emacs 29; on Debian 12 the package
;; elpa-eglot). Load this file from your init file, for example
;;   (load "/path/to/vxcheck.el")
;; then open a .pqi file and run M-x eglot, or add `eglot-ensure' to `phreeqc-mode-hook'.

;;; Code:

(require 'eglot)

(defgroup vxcheck nil
  "PHREEQC input files with the vxcheck language server."
  :group 'languages)

(defcustom vxcheck-command '("vxcheck" "lsp")
  "The language server's command and its arguments."
  :type '(repeat string))

(defcustom vxcheck-database nil
  "The database of files without a DATABASE line; nil leaves it to PHREEQC_DATABASE."
  :type '(choice (const nil) file))

(define-derived-mode phreeqc-mode prog-mode "PHREEQC"
  "Major mode for PHREEQC input files."
  (setq-local comment-start "# "))

(add-to-list 'auto-mode-alist '("\\.\\(pqi\\|phr\\)\\'" . phreeqc-mode))

(defun vxcheck-server-contact (_interactive)
  "The command that eglot runs for a PHREEQC buffer, with the database setting."
  (append vxcheck-command
          (when vxcheck-database
            (list :initializationOptions (list :database vxcheck-database)))))

(add-to-list 'eglot-server-programs '(phreeqc-mode . vxcheck-server-contact))

(provide 'vxcheck)
;;; vxcheck.el ends here
