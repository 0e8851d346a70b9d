;;; emacs_client.el --- Emacs drives the server through eglot -*- lexical-binding: t -*-

;; Runs in batch mode with the configuration that users load (editors/emacs/vxcheck.el): opens
;; an input with an unknown option and a phase name PHREEQC's database lacks, and checks the
;; diagnostics that reach Flymake. Exits 0 when all hold. VXCHECK_SERVER is the server command
;; (words separated by blanks), VXCHECK_DATA_DIR the folder with the databases, VXCHECK_WORK_DIR a
;; folder of the build to write the input in, VXCHECK_EMACS_CONFIG the configuration file.

;;; Code:

(package-initialize)
(unless (require 'eglot nil t)
  (message "skipped: eglot is not installed (scripts/install-deps.sh test installs elpa-eglot)")
  (kill-emacs 77))
(load (getenv "VXCHECK_EMACS_CONFIG") nil t)
(setq vxcheck-command (split-string (getenv "VXCHECK_SERVER")))
(setq vxcheck-database (concat (getenv "VXCHECK_DATA_DIR") "/databases/phreeqc.dat"))

(defvar vxcheck-test-failures nil)

(defun vxcheck-test-check (condition message)
  "Record MESSAGE as a failure unless CONDITION holds."
  (unless condition
    (push message vxcheck-test-failures)))

(defun vxcheck-test-run ()
  "Open the input, start eglot as the configuration says, and check the diagnostics."
  (let ((file (expand-file-name "emacs-client.pqi" (getenv "VXCHECK_WORK_DIR"))))
    (with-temp-file file
      (insert "SOLUTION 1\n    -colour blue\nEQUILIBRIUM_PHASES 1\n    Calcitte 0 1\nEND\n"))
    (find-file file)
    (vxcheck-test-check (eq major-mode 'phreeqc-mode) (format "major mode: %s" major-mode))
    (apply #'eglot (eglot--guess-contact))
    (with-timeout (30 (error "No diagnostics within 30 seconds"))
      (while (< (length (flymake-diagnostics)) 2)
        (flymake-start)
        (accept-process-output nil 0.1)))
    (let ((found (mapcar (lambda (diagnostic)
                           (list (line-number-at-pos (flymake-diagnostic-beg diagnostic))
                                 (flymake-diagnostic-type diagnostic)
                                 (flymake-diagnostic-text diagnostic)))
                         (flymake-diagnostics))))
      (vxcheck-test-check
       (seq-find (lambda (d) (and (= (car d) 2) (string-match-p "-colour" (nth 2 d)))) found)
       (format "unknown option on line 2: %S" found))
      (vxcheck-test-check
       (seq-find (lambda (d) (and (= (car d) 4) (string-match-p "Calcitte" (nth 2 d)))) found)
       (format "unknown phase on line 4: %S" found)))
    (eglot-shutdown (eglot-current-server))))

(condition-case err
    (vxcheck-test-run)
  (error (push (format "error: %S" err) vxcheck-test-failures)))
(dolist (failure (reverse vxcheck-test-failures))
  (message "FAILED: %s" failure))
(unless vxcheck-test-failures
  (message "all checks passed"))
(kill-emacs (if vxcheck-test-failures 1 0))
;;; emacs_client.el ends here
