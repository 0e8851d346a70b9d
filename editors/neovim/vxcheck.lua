-- vxcheck for PHREEQC input files in Neovim 0.7 and later: .pqi and .phr files get the filetype
-- phreeqc, and every such buffer is attached to one `vxcheck lsp` per folder.
--
-- Install: copy this file to ~/.config/nvim/plugin/vxcheck.lua (or `dofile` it from init.lua).
-- Settings, read when a buffer opens (set them in init.lua, before or after this file):
--   vim.g.vxcheck_cmd       the server command, default { "vxcheck", "lsp" }
--   vim.g.vxcheck_database  the database for files without a DATABASE line, default none
--                           (then the server falls back to PHREEQC_DATABASE)
--
-- One way for every version: vim.lsp.start_client, vim.lsp.buf_attach_client and
-- vim.lsp.get_client_by_id are in Neovim 0.7 and every release since (vim.lsp.start, which
-- would keep the clients itself, came with 0.8). Neovim 0.12 notes once per session that
-- vim.lsp.start_client is deprecated.

local group = vim.api.nvim_create_augroup("vxcheck", { clear = true })

vim.api.nvim_create_autocmd({ "BufRead", "BufNewFile" }, {
  group = group,
  pattern = { "*.pqi", "*.phr" },
  nested = true, -- so that the FileType autocommand below runs
  command = "setfiletype phreeqc",
})

-- The client of each folder, by client id; a stopped client is gone from get_client_by_id.
local clients = {}

local function attach(buffer)
  local database = vim.g.vxcheck_database
  local folder = vim.fn.fnamemodify(vim.api.nvim_buf_get_name(buffer), ":p:h")
  local id = clients[folder]
  if not id or not vim.lsp.get_client_by_id(id) then
    id = vim.lsp.start_client({
      name = "vxcheck",
      cmd = vim.g.vxcheck_cmd or { "vxcheck", "lsp" },
      root_dir = folder,
      init_options = database and { database = database } or vim.empty_dict(),
    })
    clients[folder] = id
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
