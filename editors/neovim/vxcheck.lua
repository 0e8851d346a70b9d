-- vxcheck for PHREEQC input files in Neovim 0.7 and later: .pqi and .phr files get the filetype
-- phreeqc, and every such buffer is attached to one `vxcheck lsp` per folder.
--
-- Install: copy this file to ~/.config/nvim/plugin/vxcheck.lua (or `dofile` it from init.lua).
-- Settings, read when a buffer opens (set them in init.lua, before or after this file):
--   vim.g.vxcheck_cmd       the server command, default { "vxcheck", "lsp" }
--   vim.g.vxcheck_database  the database for files without a DATABASE line, default none
--                           (then the server falls back to PHREEQC_DATABASE)

local group = vim.api.nvim_create_augroup("vxcheck", { clear = true })

vim.api.nvim_create_autocmd({ "BufRead", "BufNewFile" }, {
  group = group,
  pattern = { "*.pqi", "*.phr" },
  nested = true, -- so that the FileType autocommand below runs
  command = "setfiletype phreeqc",
})

local function config(buffer)
  local database = vim.g.vxcheck_database
  return {
    name = "vxcheck",
    cmd = vim.g.vxcheck_cmd or { "vxcheck", "lsp" },
    root_dir = vim.fn.fnamemodify(vim.api.nvim_buf_get_name(buffer), ":p:h"),
    init_options = database and { database = database } or vim.empty_dict(),
  }
end

-- Neovim 0.7 has no vim.lsp.start: one client per folder is started and remembered here.
local clients = {}

local function attach(buffer)
  local settings = config(buffer)
  if vim.fn.has("nvim-0.8") == 1 then
    vim.lsp.start(settings, { bufnr = buffer })
    return
  end
  local id = clients[settings.root_dir]
  if not id or vim.lsp.client_is_stopped(id) then
    id = vim.lsp.start_client(settings)
    clients[settings.root_dir] = id
  end
  if id then
    vim.lsp.buf_attach_client(buffer, id)
  end
end

vim.api.nvim_create_autocmd("FileType", {
  group = group,
  pattern = "phreeqc",
  callback = function(args)
    vim.bo[args.buf].omnifunc = "v:lua.vim.lsp.omnifunc"
    attach(args.buf)
  end,
})
