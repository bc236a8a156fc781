-- Run by tests/lsp/neovim_test.cmake: Neovim, headless, attaches
-- quillomat-lsp to the script it was started on, waits for the diagnostics,
-- asks for a hover, stops the server and writes what it received to
-- $QUILLOMAT_SORTIE, one line each:
--   LINE|erreur or alerte|message    for each diagnostic, in the order received
--   SURVOL|first line of the hover
--   ARRET|ok                         when the server has stopped
-- Works with Neovim 0.7 (Debian 12) and later.
vim.o.fileencodings = 'utf-8,latin1'

local function executer()
  local lignes = {}
  local recus = nil
  local config = {
    name = 'quillomat',
    cmd = { os.getenv('QUILLOMAT_LSP') },
    root_dir = os.getenv('QUILLOMAT_RACINE'),
    handlers = {
      ['textDocument/publishDiagnostics'] = function(err, result, ctx, cfg)
        recus = recus or result
        vim.lsp.diagnostic.on_publish_diagnostics(err, result, ctx, cfg)
      end,
    },
  }
  local tampon = vim.api.nvim_get_current_buf()
  local client
  if vim.lsp.start then
    client = vim.lsp.start(config)
  else
    client = vim.lsp.start_client(config)
    vim.lsp.buf_attach_client(tampon, client)
  end

  if vim.wait(20000, function() return recus ~= nil end, 20) then
    for _, d in ipairs(recus.diagnostics) do
      local nature = d.severity == 1 and 'erreur' or 'alerte'
      table.insert(lignes, string.format('%d|%s|%s', d.range.start.line + 1, nature, d.message))
    end
  else
    table.insert(lignes, 'ECHEC|aucun diagnostic reçu')
  end

  local ligne = tonumber(os.getenv('QUILLOMAT_SURVOL_LIGNE'))
  local colonne = tonumber(os.getenv('QUILLOMAT_SURVOL_COLONNE'))
  local reponses = vim.lsp.buf_request_sync(tampon, 'textDocument/hover', {
    textDocument = { uri = vim.uri_from_bufnr(tampon) },
    position = { line = ligne, character = colonne },
  }, 10000)
  local survol = 'aucun'
  for _, r in pairs(reponses or {}) do
    if r.result and r.result.contents then
      survol = vim.split(r.result.contents.value or '', '\n')[1]
    end
  end
  table.insert(lignes, 'SURVOL|' .. survol)

  vim.lsp.stop_client(client)
  local arrete = vim.wait(10000, function() return vim.lsp.get_client_by_id(client) == nil end, 20)
  table.insert(lignes, 'ARRET|' .. (arrete and 'ok' or 'non'))
  vim.fn.writefile(lignes, os.getenv('QUILLOMAT_SORTIE'))
  vim.cmd('qall!')
end

vim.api.nvim_create_autocmd('VimEnter', {
  callback = function()
    local ok, erreur = pcall(executer)
    if not ok then
      vim.fn.writefile({ 'ECHEC|' .. tostring(erreur) }, os.getenv('QUILLOMAT_SORTIE'))
      vim.cmd('qall!')
    end
  end,
})
